#pragma once
#include <QString>

class QPagedPaintDevice;

// The document on paper, in the current language: the channels group by group with all
// their settings, then the radio-wide settings (options, common channel, keys, DTMF,
// tone tips). Every page has a header with model, band, file name and date, and its
// page number of the total below.
QString PrintoutHtml();
// Lays the printout out for the device's page and paints every page on it; false when
// the device cannot be painted on (a file that cannot be written).
bool PaintPrintout(QPagedPaintDevice *device);
// Writes the printout as a PDF file by the rules of every written file (SaveTarget; the
// open document's file is never replaced); false with the reason when it cannot be.
bool WritePrintoutPdf(const QString &path, QString *error = nullptr);
