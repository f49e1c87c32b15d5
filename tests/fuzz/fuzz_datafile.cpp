// A data file from outside, opened through the function the program opens documents
// with, then dumped, saved and opened again. A refused file changes nothing; an
// accepted one survives save and reopen byte for byte.
#include "FuzzSupport.h"

#include "CliDocument.h"
#include "DataFile.h"
#include "ImageCompare.h"
#include "RadioImage.h"

#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Fuzz::PrepareNewDocument();
    const QString path = Fuzz::ScratchPath(QStringLiteral("input.dat"));
    Fuzz::WriteFile(path, Fuzz::Bytes(data, size));
    const RadioImage imageBefore = Image();
    const RadioImage savedBefore = Saved();

    if (OpenDataFile(path) != FileResult::Ok) {
        Fuzz::Require(Image() == imageBefore, "a refused file leaves the image");
        Fuzz::Require(Saved() == savedBefore, "a refused file leaves the saved copy");
        return 0;
    }
    Fuzz::Require(!IsModified(), "an opened file is unmodified");

    // The dump prints every field; its output is not looked at here.
    std::fflush(stdout);
    const int savedOut = dup(STDOUT_FILENO);
    const int devNull = open("/dev/null", O_WRONLY);
    dup2(devNull, STDOUT_FILENO);
    runDumpCommand(CliArgs({}, {path}));
    runDumpCommand(CliArgs({{QStringLiteral("--json"), QString()}}, {path}));
    std::fflush(stdout);
    dup2(savedOut, STDOUT_FILENO);
    close(devNull);
    close(savedOut);

    const QString first = Fuzz::ScratchPath(QStringLiteral("first.dat"));
    const QString second = Fuzz::ScratchPath(QStringLiteral("second.dat"));
    Fuzz::Require(SaveDataFile(first) == FileResult::Ok, "an opened file saves");
    const RadioImage opened = Image();
    Fuzz::Require(OpenDataFile(first) == FileResult::Ok, "a saved file opens");
    Fuzz::Require(Image() == opened, "save and reopen give the same image");
    Fuzz::Require(SaveDataFile(second) == FileResult::Ok, "a reopened file saves");
    Fuzz::Require(Fuzz::ReadFile(first) == Fuzz::ReadFile(second), "save, reopen and save give the same bytes");
    return 0;
}
