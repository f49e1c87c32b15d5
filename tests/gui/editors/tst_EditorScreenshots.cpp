#include "EditorTestSupport.h"
#include "FrmDTMF.h"
#include "FrmKey.h"
#include "FrmOptFeatures.h"
#include "FrmToneTips.h"
#include "Startup.h"
#include "WindowPictures.h"

#include <QApplication>
#include <QTabWidget>

// Shows every editor in English and Chinese at its preferred size and checks that no
// caption is cut off; with TARVEN_SCREENSHOT_DIR set (scripts/screenshots_editors.sh) it
// also writes their pictures for a person to look at.
class EditorScreenshots : public QObject {
    Q_OBJECT

    void shoot(QWidget *form, const QString &name)
    {
        form->resize(form->sizeHint());
        form->show();
        QApplication::processEvents();
        windowpictures::checkNothingCut(form);
        windowpictures::save(form, name);
    }

private slots:
    void initTestCase() { SetBeepFunction([](int, int) {}); }

    void editors_data()
    {
        QTest::addColumn<int>("language");
        QTest::newRow("en") << 1;
        QTest::newRow("zh") << 2;
    }

    void editors()
    {
        QFETCH(int, language);
        SetLanguage(language);
        const QString lang = language == 1 ? QStringLiteral("en") : QStringLiteral("zh");
        for (int band : {0, 1}) {
            UseNewImage(band);
            FrmOptFeatures options;
            shoot(&options, QStringLiteral("FrmOptFeatures_band%1_%2").arg(band).arg(lang));
        }
        UseNewImage(0);
        Image().header.options.RadioGroup = 3;   // "UK": the sub-list shows
        {
            FrmOptFeatures options;
            shoot(&options, QStringLiteral("FrmOptFeatures_band0_uk_%1").arg(lang));
        }
        UseNewImage(0);
        Image().header.dtmf.codes[0].length = 6;
        Image().header.dtmf.codes[0].setDigits(QStringLiteral("12AB*#"));
        FrmDTMF dtmf;
        shoot(&dtmf, QStringLiteral("FrmDTMF_%1").arg(lang));
        auto *tabs = dtmf.findChild<QTabWidget *>(QStringLiteral("SSTab1"));
        tabs->setTabEnabled(FrmDTMF::kCodeMemoryTab, true);
        tabs->setCurrentIndex(FrmDTMF::kCodeMemoryTab);
        shoot(&dtmf, QStringLiteral("FrmDTMF_codes_%1").arg(lang));
        FrmKey keys;
        shoot(&keys, QStringLiteral("FrmKey_%1").arg(lang));
        FrmToneTips tips;
        shoot(&tips, QStringLiteral("FrmToneTips_%1").arg(lang));
    }
};

QTEST_MAIN(EditorScreenshots)
#include "tst_EditorScreenshots.moc"
