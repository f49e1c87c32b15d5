#include "UiReferenceRefresh.h"

#include "FreqCodec.h"
#include "RadioImage.h"
#include "UiChildWindows.h"
#include "UiComboRules.h"

#include <QComboBox>
#include <QSignalBlocker>
#include <QWidget>

void RefreshCodeList(QComboBox *selector)
{
    if (!selector)
        return;
    const QSignalBlocker block(selector);
    const QString shown = selector->currentText();
    FillCombo(selector, DtmfCodeListEntries(Image()));
    SelectComboText(selector, shown);
}

void RefreshDtmfCodeSelectors()
{
    for (const char *form : {"FrmCHInfoEdit", "FrmOptFeatures"}) {
        for (QWidget *w : LoadedWindows(QString::fromLatin1(form))) {
            for (int i = 11; i <= 13; ++i)
                RefreshCodeList(w->findChild<QComboBox *>(QStringLiteral("Combo2(%1)").arg(i)));
        }
    }
}

void ClearUnusableRB()
{
    ClearUnusableRbInImage(Image());
    CallOnLoaded(QStringLiteral("FrmCHInfoEdit"), "ShowRB");
    CallOnLoaded(QStringLiteral("FrmOptFeatures"), "ShowRBOpt");
}
