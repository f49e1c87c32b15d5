// A radio's memory as a read brings it, unpacked for the band the radio reports,
// packed and unpacked again: what a read brings, a write puts back, and reading that
// gives the same image.
#include "FuzzSupport.h"

#include "LinkState.h"
#include "MemoryMap.h"
#include "PackCheck.h"
#include "RadioImage.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    Fuzz::Prepare();
    // The first byte picks the band the radio reports, the rest is its memory: one band
    // per input keeps the run fast, and the fuzzer reaches every band.
    const int band = data[0] % 3;
    QByteArray memory = Fuzz::Bytes(data + 1, size - 1).left(kTransferBytes);
    memory.resize(kTransferBytes, '\0');
    RadioImage first = Image();
    Fuzz::Require(UnpackImageFrom(memory, band, first), "a whole memory unpacks");
    Fuzz::Require(ValuesThatDoNotFit(first).isEmpty(), "what a read brings can be written");
    ProblemsOfOpenedImage(first);
    QByteArray written(kTransferBytes, '\0');
    PackImageInto(first, written);
    RadioImage second = Image();
    Fuzz::Require(UnpackImageFrom(written, band, second), "a packed memory unpacks");
    Fuzz::Require(second == first, "a written read reads back the same");
    QByteArray again(kTransferBytes, '\0');
    PackImageInto(second, again);
    Fuzz::Require(again == written, "packing is stable");
    return 0;
}
