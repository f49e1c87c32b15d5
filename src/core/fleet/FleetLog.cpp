#include "FleetLog.h"

#include "CsvTable.h"
#include "SaveTarget.h"

#include <QFile>
#include <QFileInfo>

namespace {
constexpr int kTimeColumn = 0;
constexpr int kSerialColumn = 1;
constexpr int kResultColumn = 5;

const char *const kResultWords[kFleetResultCount] = {"verified", "verify failed", "refused", "cancelled",
                                                     "partial"};
} // namespace

QString FleetResultWord(FleetResult result)
{
    return QString::fromLatin1(kResultWords[int(result)]);
}

bool FleetResultOfWord(const QString &word, FleetResult *out)
{
    for (int i = 0; i < kFleetResultCount; ++i) {
        if (word.trimmed().compare(QLatin1String(kResultWords[i]), Qt::CaseInsensitive) == 0) {
            *out = FleetResult(i);
            return true;
        }
    }
    return false;
}

QStringList FleetLogHeader()
{
    return {QStringLiteral("time"),    QStringLiteral("serial"),     QStringLiteral("firmware"),
            QStringLiteral("model"),   QStringLiteral("band"),       QStringLiteral("result"),
            QStringLiteral("details"), QStringLiteral("values_set"), QStringLiteral("image_sha256")};
}

QStringList FleetLogFields(const FleetLogRow &row)
{
    return {row.time.toOffsetFromUtc(row.time.offsetFromUtc()).toString(Qt::ISODate),
            row.serial,
            row.firmware,
            row.model,
            row.band,
            FleetResultWord(row.result),
            row.details,
            row.valuesSet,
            row.imageHash};
}

bool FleetLog::open(const QString &path, QString *problem)
{
    const SaveTarget target = ResolveSaveTarget(path);
    if (target.path.isEmpty()) {
        *problem = target.problem;
        return false;
    }
    path_ = target.path;
    verified_.clear();
    rowsRead_ = 0;
    QFile file(path_);
    if (file.exists()) {
        if (!file.open(QIODevice::ReadOnly)) {
            *problem = file.errorString();
            return false;
        }
        const QByteArray text = file.readAll();
        file.close();
        if (!text.trimmed().isEmpty()) {
            const CsvParse parse = ReadCsv(text, QLatin1Char(','));
            if (parse.error != CsvParse::Error::None || parse.records.isEmpty()
                || parse.records.first().fields != FleetLogHeader()) {
                *problem = QStringLiteral("%1 is not a fleet log (its first line is not the log's header); "
                                          "choose another file")
                               .arg(QFileInfo(path).fileName());
                return false;
            }
            for (int i = 1; i < parse.records.size(); ++i) {
                const QStringList &f = parse.records.at(i).fields;
                FleetResult result;
                ++rowsRead_;
                if (f.size() > kResultColumn && FleetResultOfWord(f.at(kResultColumn), &result)
                    && result == FleetResult::Verified && !f.at(kSerialColumn).isEmpty())
                    verified_.insert(f.at(kSerialColumn), QDateTime::fromString(f.at(kTimeColumn), Qt::ISODate));
            }
            // A log whose last line lacks its line end gets one before the next row.
            if (!text.endsWith('\n')) {
                QFile append(path_);
                if (!append.open(QIODevice::Append) || append.write("\r\n") != 2) {
                    *problem = append.errorString();
                    return false;
                }
            }
            return true;
        }
    }
    QFile create(path_);
    const QByteArray header = WriteCsv({FleetLogHeader()});
    if (!create.open(QIODevice::WriteOnly | QIODevice::Truncate) || create.write(header) != header.size()
        || !create.flush()) {
        *problem = create.errorString();
        return false;
    }
    return true;
}

bool FleetLog::append(const FleetLogRow &row, QString *problem)
{
    QFile file(path_);
    const QByteArray line = WriteCsv({FleetLogFields(row)});
    if (!file.open(QIODevice::Append) || file.write(line) != line.size() || !file.flush()) {
        *problem = file.errorString();
        return false;
    }
    file.close();
    if (row.result == FleetResult::Verified && !row.serial.isEmpty())
        verified_.insert(row.serial, row.time);
    return true;
}

bool FleetLog::isVerified(const QString &serial, QDateTime *when) const
{
    const auto it = verified_.constFind(serial);
    if (it == verified_.constEnd())
        return false;
    if (when)
        *when = it.value();
    return true;
}
