#pragma once
#include <QMap>
#include <QString>
#include <QStringList>

// The parsed arguments of one tarven-cli command: which options were given, their
// values, and the positional arguments. Option names are written as on the command
// line ("--port"), so a command body reads like its usage line.
class CliArgs {
public:
    CliArgs() = default;
    CliArgs(QMap<QString, QString> options, QStringList positional)
        : options_(std::move(options)), positional_(std::move(positional)) {}
    // Options that may be given more than once ("--set A=1 --set B=2") keep every value.
    CliArgs(QMap<QString, QString> options, QStringList positional, QMap<QString, QStringList> repeated)
        : options_(std::move(options)), positional_(std::move(positional)), repeated_(std::move(repeated)) {}

    bool contains(const QString &option) const { return options_.contains(option); }
    QString value(const QString &option) const { return options_.value(option); }
    QStringList values(const QString &option) const { return repeated_.value(option); }
    const QStringList &positional() const { return positional_; }
    void setValue(const QString &option, const QString &value) { options_.insert(option, value); }

private:
    QMap<QString, QString> options_;   // "--port" -> "/dev/ttyUSB0"; a flag maps to ""
    QStringList positional_;
    QMap<QString, QStringList> repeated_;   // every value of each option, in command-line order
};

// The value of "--name VALUE" (empty when not given) and the positional arguments.
inline QString optionValue(const CliArgs &args, const QString &name) { return args.value(name); }
inline QStringList positionalArgs(const CliArgs &args) { return args.positional(); }
