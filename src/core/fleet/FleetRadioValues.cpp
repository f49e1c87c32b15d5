#include "FleetRadioValues.h"

#include "ChannelCsvFields.h"
#include "ChannelRowApply.h"
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
    QHash<QString, QString> cells;
    for (const auto &v : values.values) {
        const int field = FieldIndexByName(v.first);
        if (field < 0)
            return QStringLiteral("%1 is no column of the channel table").arg(v.first);
        cells.insert(FieldName(ChannelField(field)), v.second);
    }
    if (values.channels.isEmpty())
        return QStringLiteral("the values need a channel (column \"channels\")");
    const int band = Image().header.model.bandMode;
    for (const QString &label : values.channels.split(QLatin1Char(','))) {
        const int number = ChannelOfLabel(label.trimmed(), band);
        if (number < 0)
            return QStringLiteral("%1 names no channel").arg(label.trimmed());
        const QString refused = ApplyChannelRow(cells, number);
        if (!refused.isEmpty())
            return label.trimmed() + QStringLiteral(": ") + refused;
    }
    return QString();
}
