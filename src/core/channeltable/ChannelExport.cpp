#include "ChannelExport.h"

#include "ChannelCsvFields.h"
#include "ChirpCsv.h"
#include "CsvTable.h"
#include "RadioImage.h"

#include <algorithm>

bool ChannelCsvFormatByName(const QString &name, ChannelCsvFormat *format)
{
    if (name.compare(QLatin1String("tarven"), Qt::CaseInsensitive) == 0)
        *format = ChannelCsvFormat::Tarven;
    else if (name.compare(QLatin1String("chirp"), Qt::CaseInsensitive) == 0)
        *format = ChannelCsvFormat::Chirp;
    else
        return false;
    return true;
}

QList<QStringList> ChannelTable(const RadioImage &img, int band, ChannelCsvFormat format, const QList<int> &numbers)
{
    QList<const ChannelRecord *> channels;
    for (int s = 0; s < img.count(); ++s) {
        if (numbers.isEmpty() || numbers.contains(img.at(s).number))
            channels << &img.at(s);
    }
    std::stable_sort(channels.begin(), channels.end(),
                     [](const ChannelRecord *a, const ChannelRecord *b) { return a->number < b->number; });
    const bool chirp = format == ChannelCsvFormat::Chirp;
    QList<QStringList> table{chirp ? ChirpHeader() : ChannelTableHeader()};
    for (const ChannelRecord *c : std::as_const(channels)) {
        QStringList row = chirp ? ChirpRow(*c, band) : ChannelTableRow(*c, band);
        // A damaged file's stored text must not run as a formula where the table is opened.
        for (QString &cell : row)
            cell = FormulaSafeCell(cell);
        table << row;
    }
    return table;
}

QByteArray ExportChannelTable(const RadioImage &img, int band, ChannelCsvFormat format)
{
    return WriteCsv(ChannelTable(img, band, format));
}
