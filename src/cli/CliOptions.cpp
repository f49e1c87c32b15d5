#include "CliOptions.h"

namespace {
constexpr CliOptionEntry kOptions[] = {
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
    {"backup-dir", "DIR", "keep the backup of the transfer in DIR"},
    {"no-backup", "", "keep no backup of the transfer"},
    {"verify", "", "read the radio back after writing and compare"},
    {"format", "tarven|chirp", "column layout of the CSV table (default tarven)"},
    {"csv", "FILE.csv", "CSV table of channels to import"},
    {"dir", "DIR", "the backup folder that holds the radio history (default: the backup folder)"},
    {"plan", "", "read the radio and show what the write would change; write nothing"},
    {"silent-at", "HEX", "the simulated radio leaves every try of the block at HEX unanswered, once"},
    {"bad-read-at", "HEX", "the simulated radio answers every try to read the block at HEX with a bad checksum, once"},
    {"find", "", "first find the cable: unplug it, then plug it in (waits up to 60 s)"},
    {"include-trace", "", "include the last transfer's serial trace in the report"},
    {"channels", "LIST", "channels to edit: A-1..A-40, EU 1..EU 40, MEM 1, all (comma-separated)"},
    {"set", "NAME=VALUE", "a CSV column and its value, stored into every listed channel (repeatable)"},
    {"region", "1|2|3", "IARU region whose 10 m band plan applies (default: the setting, else the locale's)"},
    {"flip-stored", "HEX[:MASK]", "the simulated radio stores the byte at HEX XORed with MASK, once"},
    {"place", "GROUP", "ignore the table's channel numbers: rows in file order into the group's free positions"},
    // Fleet programming
    {"fleet", "N", "the simulated radio becomes N radios in turn, a new serial number after each write"},
    {"fleet-fault", "N:verify|band,...", "in the fleet, radio N fails its check after writing or has another band"},
    {"log", "LOG.csv", "the fleet log: one row per radio (appended; created when missing)"},
    {"count", "N", "stop after N radios"},
    {"next", "enter|auto", "next radio when Enter is pressed (default) or as soon as another radio answers"},
    {"skip-done", "", "refuse a radio whose serial number the log holds as verified"},
    {"per-radio", "CSV", "values per serial number set on top of the image (column serial, then NAME columns)"},
};
}

const CliOptionEntry *FindCliOption(const QString &name)
{
    for (const CliOptionEntry &o : kOptions) {
        if (name == QLatin1String(o.name))
            return &o;
    }
    return nullptr;
}
