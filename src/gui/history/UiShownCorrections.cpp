#include "UiShownCorrections.h"

#include "DocumentHistory.h"
#include "ImageDiff.h"
#include "LangText.h"
#include "PackCheck.h"
#include "Prompts.h"

#include <QWidget>

ShownCorrections::ShownCorrections() : before_(Image())
{
}

void ShownCorrections::settle(const QWidget *window) const
{
    if (Image() == before_)
        return;
    const QString title = window->windowTitle().isEmpty() ? window->objectName() : window->windowTitle();
    // The step holds the image as it was before the window showed it.
    const RadioImage corrected = Image();
    Image() = before_;
    RecordDocumentChange(LangText(30603).arg(title));
    Image() = corrected;

    // The values the open-time warning named that are within range now; without such
    // a line, the changes themselves.
    const QStringList after = ProblemsOfOpenedImage(corrected).lines;
    QStringList lines;
    for (const QString &line : ProblemsOfOpenedImage(before_).lines) {
        if (!after.contains(line))
            lines << line;
    }
    if (lines.isEmpty())
        lines = DifferenceLines(CompareImages(before_, corrected, QString(), QString()));
    prompts().message(ListMessage(LangText(30602).arg(title), lines, kShownProblems), MsgIcon::Warning);
}
