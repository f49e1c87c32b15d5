#include "FleetRadioValues.h"

#include "ChannelBulkEdit.h"
#include "ChannelSelection.h"
#include "CsvTable.h"
#include "RadioImage.h"

#include <QFile>

namespace {
const QLatin1String kSerialColumn("serial");
const QLatin1String kChannelsColumn("channels");
} // namespace

QString FleetRadioValues::described() const
{
    QStringList parts;
    for (const auto &v : values)
        parts << v.first + QLatin1Char('=') + v.second;
    const QString list = parts.join(QStringLiteral(", "));
    return channels.isEmpty() ? list : channels + QStringLiteral(": ") + list;
}

bool FleetValuesTable::read(const QString &path, QString *problem)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *problem = QStringLiteral("%1: %2").arg(path, file.errorString());
        return false;
    }
    return readText(file.readAll(), problem);
}

bool FleetValuesTable::readText(const QByteArray &text, QString *problem)
{
    rows_.clear();
    const CsvParse parse = ReadCsv(text);
    if (parse.error != CsvParse::Error::None) {
        *problem = QStringLiteral("line %1: %2").arg(parse.errorLine).arg(
            parse.error == CsvParse::Error::NotUtf8 ? QStringLiteral("the text is not UTF-8")
                                                    : QStringLiteral("a quote is not closed"));
        return false;
    }
    if (parse.records.isEmpty()) {
        *problem = QStringLiteral("the table is empty");
        return false;
    }
    QStringList header;
    for (const QString &h : parse.records.first().fields)
        header << h.trimmed();
    auto columnOf = [&header](QLatin1String name) {
        for (int i = 0; i < header.size(); ++i) {
            if (header.at(i).compare(name, Qt::CaseInsensitive) == 0)
                return i;
        }
        return -1;
    };
    const int serialAt = columnOf(kSerialColumn);
    const int channelsAt = columnOf(kChannelsColumn);
    if (serialAt < 0) {
        *problem = QStringLiteral("line 1: the table needs a column \"serial\"");
        return false;
    }
    for (int r = 1; r < parse.records.size(); ++r) {
        const CsvRecord &record = parse.records.at(r);
        const QString serial = record.fields.value(serialAt).trimmed();
        if (serial.isEmpty())
            continue;
        if (rows_.contains(serial)) {
            *problem = QStringLiteral("line %1: serial number %2 is in the table twice").arg(record.line).arg(serial);
            return false;
        }
        FleetRadioValues values;
        values.channels = record.fields.value(channelsAt).trimmed();
        for (int c = 0; c < header.size(); ++c) {
            const QString cell = record.fields.value(c).trimmed();
            if (c == serialAt || c == channelsAt || cell.isEmpty() || header.at(c).isEmpty())
                continue;
            values.values.append({header.at(c), cell});
        }
        rows_.insert(serial, values);
    }
    return true;
}

QString ApplyFleetChannelValues(const FleetRadioValues &values)
{
    if (values.isEmpty())
        return QString();
    // The columns become the NAME=VALUE settings of `tarven-cli edit`, the "channels"
    // cell its channel list: the same names, lists, checks and reasons.
    QStringList assignments;
    for (const auto &v : values.values)
        assignments << v.first + QLatin1Char('=') + v.second;
    QHash<QString, QString> cells;
    QString error;
    if (!ParseChannelSettings(assignments, &cells, &error))
        return error;
    if (values.channels.isEmpty())
        return QStringLiteral("the values need a channel (column \"channels\")");
    QList<int> numbers;
    if (!ParseChannelSelection(values.channels, Image().header.model.bandMode, &numbers, &error))
        return error;
    const BulkEditOutcome outcome = ApplyChannelSettings(cells, numbers, RefusedChannels::CancelAll);
    if (!outcome.refusals.isEmpty())
        return outcome.refusalReport(Image().header.model.bandMode).replace(QLatin1Char('\n'), QStringLiteral("; "));
    return QString();
}
