#include "CliOutputPath.h"

#include "ControlChars.h"
#include "LangText.h"
#include "SaveTarget.h"

#include <QFileInfo>

#include <cstdio>

bool CheckOutputPath(const QString &path, const QStringList &others)
{
    const SaveTarget target = ResolveSaveTarget(path, others);
    QString problem = target.problem;
    if (problem.isEmpty()) {
        const QFileInfo folder(QFileInfo(target.path).absolutePath());
        if (!folder.isDir())
            problem = LangText(30007);
        else if (!folder.isWritable())
            problem = LangText(30008);
    }
    if (problem.isEmpty())
        return true;
    ReportUnwritable(path, problem);
    return false;
}

void ReportUnwritable(const QString &path, const QString &problem)
{
    std::fprintf(stderr, "%s\n%s: %s\n", qPrintable(LangText(9002)), qPrintable(EscapeControls(path)),
                 qPrintable(EscapeControls(problem)));
}
