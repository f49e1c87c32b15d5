#include "CliUsage.h"

#include <cstdio>

namespace {
// Options that take a value, so their value is not taken for a positional argument.
const QStringList kValueOptions{QStringLiteral("--band"), QStringLiteral("--out"), QStringLiteral("--in"),
                                QStringLiteral("--port"), QStringLiteral("--password"), QStringLiteral("--trace"),
                                QStringLiteral("--image"), QStringLiteral("--firmware"),
                                QStringLiteral("--backup-dir"), QStringLiteral("--flip-stored")};
}

QString optionValue(const QStringList &args, const QString &name)
{
    const int i = args.indexOf(name);
    return i >= 0 && i + 1 < args.size() ? args.at(i + 1) : QString();
}

QStringList positionalArgs(const QStringList &args)
{
    QStringList out;
    for (int i = 0; i < args.size(); ++i) {
        if (kValueOptions.contains(args.at(i)))
            ++i;
        else if (!args.at(i).startsWith(QLatin1String("--")))
            out << args.at(i);
    }
    return out;
}

void printUsage()
{
    std::fprintf(stderr,
                 "usage:\n"
                 "  tarven-cli read  --port DEVICE --out FILE.dat [--password TEXT] [--trace FILE]\n"
                 "                   [--backup-dir DIR | --no-backup]\n"
                 "  tarven-cli write --port DEVICE --in FILE.dat [--password TEXT] [--trace FILE]\n"
                 "                   [--backup-dir DIR | --no-backup] [--verify]\n"
                 "  tarven-cli info  --port DEVICE [--json] [--trace FILE]\n"
                 "  tarven-cli new   --band cb|hf|ham --out FILE.dat [--factory]\n"
                 "  tarven-cli dump  FILE.dat [--json]\n"
                 "  tarven-cli diff  A.dat B.dat [--json]\n"
                 "  tarven-cli simulate [--band cb|hf|ham] [--image FILE.dat] [--echo] [--password TEXT] [--firmware VNNN] [--pace]\n"
                 "                   [--flip-stored HEX[:MASK]]\n"
                 "\n"
                 "read and write keep a backup of the image read or about to be written in\n"
                 "$XDG_DATA_HOME/tarven/backups (or --backup-dir DIR; none with --no-backup), the newest\n"
                 "500 of them. write --verify reads the radio back and fails (exit 1, the differences on\n"
                 "stderr) unless it holds what was sent. SIGINT or SIGTERM during a transfer sends END,\n"
                 "closes the port and exits 130: read writes no file, write says the radio may hold a\n"
                 "partial write. diff exits 0 when the files hold the same, 1 when they differ, 2 for bad\n"
                 "usage or a file it cannot read. simulate --flip-stored stores the byte written at HEX\n"
                 "XORed with MASK (default 01), once, and acknowledges it as usual.\n");
}

int usageError(const QString &what)
{
    std::fprintf(stderr, "tarven-cli: %s\n", qPrintable(what));
    printUsage();
    return 2;
}
