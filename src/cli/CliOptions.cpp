#include "CliOptions.h"

namespace {
constexpr CliOptionSpec kOptions[] = {
    {"port", "DEVICE", "serial device of the programming cable (e.g. /dev/ttyUSB0), or \"auto\""},
    {"out", "FILE", "file to write"},
    {"in", "FILE", "file to read"},
    {"password", "TEXT", "programming password of the radio"},
    {"trace", "FILE", "log every byte sent and received, with times, as hex lines"},
    {"json", "", "print JSON instead of text"},
    {"band", "cb|hf|ham", "band of the image"},
    {"factory", "", "the factory-initialised image"},
    {"image", "FILE.dat", "data file the simulated radio holds"},
    {"echo", "", "the simulated cable echoes every byte sent"},
    {"firmware", "VNNN", "firmware version the simulated radio reports"},
    {"pace", "", "the simulated radio answers at the pace of 9600 baud"},
};
}

const CliOptionSpec *FindCliOption(const QString &name)
{
    for (const CliOptionSpec &o : kOptions) {
        if (name == QLatin1String(o.name))
            return &o;
    }
    return nullptr;
}
