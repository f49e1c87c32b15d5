#include "UiShownCorrections.h"

#include "DocumentHistory.h"
#include "ImageDiff.h"
#include "LangText.h"
#include "PackCheck.h"
#include "Prompts.h"

#include <QWidget>

namespace {
constexpr int kAllLines = 100000;   // more than an image can hold
}

ShownCorrections::ShownCorrections() : before_(Image())
{
}

void ShownCorrections::settle(const QWidget *window) const
{
    if (Image() == before_)
        return;
    // The values the open-time warning named that are within range now; without such
    // a line, the changes themselves in the words of the compare window. A change with
    // no words at all (which group the grid shows) is a view state: it joins the next
    // step as any display choice does.
    const RadioImage corrected = Image();
    const QStringList after = ProblemsOfOpenedImage(corrected, kAllLines).lines;
    QStringList lines;
    for (const QString &line : ProblemsOfOpenedImage(before_, kAllLines).lines) {
        if (!after.contains(line))
            lines << line;
    }
    if (lines.isEmpty())
        lines = DifferenceLines(CompareImages(before_, corrected, QString(), QString()));
    if (lines.isEmpty())
        return;

    // The step holds the image as it was before the window showed it.
    const QString title = window->windowTitle().isEmpty() ? window->objectName() : window->windowTitle();
    Image() = before_;
    RecordDocumentChange(LangText(30603).arg(title));
    Image() = corrected;
    prompts().message(ListMessage(LangText(30602).arg(title), lines, kShownProblems), MsgIcon::Warning);
}
