#include "UiFileDialogs.h"

#include <QFileDialog>
#include <QFileInfo>

QString UiFileDialogs::chooseOpenPath(const QString &filter)
{
    QFileDialog dlg(parent_);
    dlg.setObjectName(QStringLiteral("dlgCommonDialog"));
    dlg.setAcceptMode(QFileDialog::AcceptOpen);
    dlg.setFileMode(QFileDialog::ExistingFile);
    dlg.setNameFilter(filter);
    if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty())
        return QString();
    return dlg.selectedFiles().constFirst();
}

QString UiFileDialogs::chooseSavePath(const QString &filter, const QString &preset)
{
    QFileDialog dlg(parent_);
    dlg.setObjectName(QStringLiteral("dlgCommonDialog"));
    dlg.setAcceptMode(QFileDialog::AcceptSave);
    dlg.setFileMode(QFileDialog::AnyFile);
    dlg.setNameFilter(filter);
    dlg.setDefaultSuffix(QStringLiteral("dat"));
    const QFileInfo info(preset);
    if (info.isAbsolute())
        dlg.setDirectory(info.absolutePath());
    dlg.selectFile(info.fileName());
    if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty())
        return QString();
    return dlg.selectedFiles().constFirst();
}
