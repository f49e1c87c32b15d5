#include "UiFileDialogs.h"

#include "DocumentPlaces.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QRegularExpression>

QString UiFileDialogs::startFolder(const QString &preset)
{
    // A document with a folder is saved next to itself; a new one where the user last was.
    const QFileInfo info(preset);
    return info.isAbsolute() && info.dir().exists() ? info.absolutePath() : LastFolder();
}

QString UiFileDialogs::chooseOpenPath(const QString &filter)
{
    QFileDialog dlg(parent_);
    dlg.setObjectName(QStringLiteral("dlgCommonDialog"));
    dlg.setAcceptMode(QFileDialog::AcceptOpen);
    dlg.setFileMode(QFileDialog::ExistingFile);
    dlg.setNameFilter(filter);
    dlg.setDirectory(startFolder());
    if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty())
        return QString();
    RememberFolderOf(dlg.selectedFiles().constFirst());
    return dlg.selectedFiles().constFirst();
}

QString UiFileDialogs::chooseSavePath(const QString &filter, const QString &preset)
{
    QFileDialog dlg(parent_);
    dlg.setObjectName(QStringLiteral("dlgCommonDialog"));
    dlg.setAcceptMode(QFileDialog::AcceptSave);
    dlg.setFileMode(QFileDialog::AnyFile);
    dlg.setNameFilter(filter);
    // The suffix of the filter's first pattern: "Data files (*.dat)" gives "dat".
    const qsizetype star = filter.indexOf(QLatin1String("*."));
    const qsizetype end = filter.indexOf(QRegularExpression(QStringLiteral("[ );]")), star);
    dlg.setDefaultSuffix(star < 0 ? QStringLiteral("dat") : filter.mid(star + 2, end < 0 ? -1 : end - star - 2));
    const QFileInfo info(preset);
    dlg.setDirectory(startFolder(preset));
    dlg.selectFile(info.fileName());
    if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty())
        return QString();
    RememberFolderOf(dlg.selectedFiles().constFirst());
    return dlg.selectedFiles().constFirst();
}
