// The dialogs of the shell (the port dialog has its own test): language, model and band, password, radio
// information, splash and about.
#include "ShellTestKit.h"
#include "StandInWindow.h"

#include "FrmModelInfo.h"
#include "FrmPassWord.h"
#include "FrmRadioInfo.h"
#include "FrmSetLanguage.h"
#include "ImageCompare.h"
#include "LangText.h"
#include "LinkState.h"
#include "ProfileFile.h"
#include "RadioImage.h"
#include "RadioInfo.h"
#include "UiChildWindows.h"
#include "frmAbout.h"
#include "frmMain.h"
#include "frmSplash.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include <memory>

namespace {
void click(QWidget *form, const char *button)
{
    auto *b = form->findChild<QPushButton *>(QString::fromLatin1(button));
    QVERIFY2(b, button);
    b->click();
}

QString mySetup(const QString &key)
{
    return ReadProfileString(MySetupPath(), QStringLiteral("language"), key);
}
}

class TestShellDialogs : public QObject {
    Q_OBJECT

    std::unique_ptr<ShellInstall> install;
    std::unique_ptr<ScriptedPrompts> answers;

private slots:
    void initTestCase()
    {
        RegisterStandInWindow(QStringLiteral("frmCommChInfo"));
        RegisterStandInWindow(QStringLiteral("FrmDTMF"));
    }

    void init()
    {
        install = std::make_unique<ShellInstall>();
        answers = std::make_unique<ScriptedPrompts>();
    }

    void cleanup()
    {
        answers.reset();
        install.reset();
    }

    void languageDialogThroughTheMenu()
    {
        frmMain main;
        ShowChild(QStringLiteral("FrmDTMF"));
        QCOMPARE(LoadedWindows(QStringLiteral("FrmDTMF")).size(), 1);

        // The same language: stored again, nothing closes.
        OnNextModal([](QDialog *dlg) { click(dlg, "CommandOK"); });
        main.mnuLanguage_Click();
        QCOMPARE(mySetup(QStringLiteral("CurrentLanguage")), QStringLiteral("1"));
        QCOMPARE(LoadedWindows(QStringLiteral("FrmDTMF")).size(), 1);

        // Cancel after choosing Chinese: no change.
        OnNextModal([](QDialog *dlg) {
            dlg->findChild<QComboBox *>(QStringLiteral("Combo1"))->setCurrentIndex(1);
            click(dlg, "CommandCancel");
        });
        main.mnuLanguage_Click();
        QCOMPARE(Run().CurrentLanguageId, 1);

        OnNextModal([](QDialog *dlg) {
            auto *combo = dlg->findChild<QComboBox *>(QStringLiteral("Combo1"));
            QCOMPARE(combo->itemText(0), LangText(23002));
            combo->setCurrentIndex(1);
            click(dlg, "CommandOK");
        });
        main.mnuLanguage_Click();
        QCOMPARE(Run().CurrentLanguageId, 2);
        QCOMPARE(Run().LanguageFile, QStringLiteral("chinese.ini"));
        QCOMPARE(mySetup(QStringLiteral("CurrentLanguage")), QStringLiteral("2"));
        QCOMPARE(LoadedWindows(QStringLiteral("FrmDTMF")).size(), 0);
        QCOMPARE(LoadedWindows(QStringLiteral("frmCommChInfo")).size(), 1);
        QCOMPARE(main.menuEntry(QStringLiteral("mnuLanguage"))->text(), LangText(10402));
    }

    void modelDialogSameBandAsksNothing()
    {
        FrmModelInfo dlg;
        QCOMPARE(dlg.findChild<QComboBox *>(QStringLiteral("Combo1"))->currentText(), QStringLiteral("TARVEN II"));
        QCOMPARE(dlg.findChild<QComboBox *>(QStringLiteral("Combo2"))->currentText(), QStringLiteral("26.965 - 27.405 MHz"));
        click(&dlg, "CommandOK");
        QVERIFY(answers->log.isEmpty());
        QCOMPARE(Run().BandMode, 0);
    }

    void modelDialogBandChange()
    {
        frmMain main;
        Image().at(0).RDCT = 37;   // an unsaved change

        // Unsaved changes first: Cancel leaves band and document alone.
        {
            FrmModelInfo dlg;
            auto *combo3 = dlg.findChild<QComboBox *>(QStringLiteral("Combo3"));
            combo3->setCurrentIndex(2);
            emit combo3->activated(2);
            QCOMPARE(dlg.findChild<QComboBox *>(QStringLiteral("Combo2"))->currentIndex(), 2);
            answers->answers = {Answer::Cancel};
            click(&dlg, "CommandOK");
            QCOMPARE(answers->log, QStringList({QStringLiteral("ask: ") + LangText(9006)}));
            QCOMPARE(Run().BandMode, 0);
        }
        // No to saving, then Cancel at the band warning: still nothing changes.
        answers->log.clear();
        {
            FrmModelInfo dlg;
            dlg.findChild<QComboBox *>(QStringLiteral("Combo2"))->setCurrentIndex(2);
            answers->answers = {Answer::No, Answer::Cancel};
            click(&dlg, "CommandOK");
            QCOMPARE(answers->log, QStringList({QStringLiteral("ask: ") + LangText(9006), QStringLiteral("ask: ") + LangText(9016)}));
            QCOMPARE(Run().BandMode, 0);
            QCOMPARE(Image().at(0).RDCT, int16_t(37));
        }
        // OK: the HAM band and a new document for it.
        {
            FrmModelInfo dlg;
            dlg.findChild<QComboBox *>(QStringLiteral("Combo2"))->setCurrentIndex(2);
            answers->answers = {Answer::No, Answer::Ok};
            click(&dlg, "CommandOK");
        }
        QCOMPARE(Run().BandMode, 2);
        QCOMPARE(Run().bandText, QStringLiteral("28.000 - 29.700 MHz"));
        QTRY_COMPARE(LoadedWindows(QStringLiteral("frmCommChInfo")).size(), 1);
        QCOMPARE(Image().header.model.bandMode, 2);
        QVERIFY(!IsModified());
        QVERIFY(main.windowTitle().contains(QStringLiteral("HAM:28.000 - 29.700 MHz")));
    }

    void passwordDialog()
    {
        FrmPassWord dlg(QStringLiteral("AB"));
        auto *text = dlg.findChild<QLineEdit *>(QStringLiteral("Text1"));
        QCOMPARE(text->echoMode(), QLineEdit::Password);
        QCOMPARE(text->text(), QStringLiteral("AB"));
        text->clear();
        QTest::keyClicks(text, QStringLiteral("12345"));
        QCOMPARE(text->text(), QStringLiteral("1234"));
        text->setText(QStringLiteral("7 "));
        QCOMPARE(dlg.enteredPassword(), QStringLiteral("7"));
        QCOMPARE(dlg.findChild<QLabel *>(QStringLiteral("Label1"))->text(), LangText(23101));
        QCOMPARE(dlg.windowTitle(), LangText(23100));
    }

    void passwordFromTheMenuKeepsOldOnCancel()
    {
        frmMain main;
        Link().ProgPassword = QStringLiteral("OLD");
        OnNextModal([](QDialog *dlg) {
            QCOMPARE(dlg->findChild<QLineEdit *>(QStringLiteral("Text1"))->text(), QStringLiteral("OLD"));
            dlg->findChild<QLineEdit *>(QStringLiteral("Text1"))->setText(QStringLiteral("NEW"));
            click(dlg, "CommandCancel");
        });
        main.MnuProPassWord_Click();
        QCOMPARE(Link().ProgPassword, QStringLiteral("OLD"));
        OnNextModal([](QDialog *dlg) {
            dlg->findChild<QLineEdit *>(QStringLiteral("Text1"))->setText(QStringLiteral("PW  "));
            click(dlg, "CommandOK");
        });
        main.MnuProPassWord_Click();
        QCOMPARE(Link().ProgPassword, QStringLiteral("PW"));
        Link().ProgPassword.clear();
    }

    void radioInfoShowsEveryFieldAndUnknownBand()
    {
        QByteArray area(256, char(0xFF));
        area[0] = char(0x01);
        area.replace(0x30, 6, QByteArray("SN123\0", 6));
        area.replace(0xF0, 4, QByteArray("Bob\0", 4));
        DecodeRadioInfo(area);
        {
            FrmRadioInfo w;
            QCOMPARE(w.findChild<QLineEdit *>(QStringLiteral("Text1(1)"))->text(), QStringLiteral("SN123"));
            QCOMPARE(w.findChild<QLineEdit *>(QStringLiteral("Text1(11)"))->text(), QStringLiteral("Bob"));
            QCOMPARE(w.findChild<QLineEdit *>(QStringLiteral("Text1(2)"))->text(), QString());
            QCOMPARE(w.findChild<QComboBox *>(QStringLiteral("Combo3"))->currentText(), QStringLiteral("HF"));
            QCOMPARE(w.findChild<QComboBox *>(QStringLiteral("Combo1(1)"))->currentText(), QStringLiteral("25.615 - 30.105 MHz"));
            QCOMPARE(w.findChild<QLabel *>(QStringLiteral("Label1(2)"))->text(), LangText(21007));
        }
        DecodeRadioInfo(QByteArray(256, char(0xFF)));
        FrmRadioInfo w;
        auto *band = w.findChild<QComboBox *>(QStringLiteral("Combo3"));
        QCOMPARE(band->currentIndex(), -1);
        QCOMPARE(band->placeholderText(), QStringLiteral("15"));
        QCOMPARE(w.findChild<QComboBox *>(QStringLiteral("Combo1(1)"))->currentIndex(), -1);
    }

    void splashEndsOnceOnClickOrTimer()
    {
        int ends = 0;
        auto *splash = new frmSplash([&] { ++ends; });
        QVERIFY(splash->hasPicture());
        QPointer<frmSplash> guard(splash);
        QTest::mouseClick(splash->findChild<QLabel *>(QStringLiteral("picLogo")), Qt::LeftButton);
        QCOMPARE(ends, 1);
        QVERIFY(!splash->timer1()->isActive());
        QTRY_VERIFY(guard.isNull());
        QCOMPARE(ends, 1);
    }

    void splashWithoutPictureStillStarts()
    {
        QFile::remove(install->dir.path(QStringLiteral("StartE.jpg")));
        int ends = 0;
        auto *splash = new frmSplash([&] { ++ends; });
        QVERIFY(!splash->hasPicture());
        QCOMPARE(splash->timer1()->interval(), 2000);
        splash->Timer1_Timer();
        QCOMPARE(ends, 1);
    }

    void aboutTexts()
    {
        frmAbout dlg;
        QCOMPARE(dlg.windowTitle(), LangText(24000));
        QCOMPARE(dlg.findChild<QLabel *>(QStringLiteral("lblDisclaimer"))->text(), LangText(24004));
        QCOMPARE(dlg.findChild<QPushButton *>(QStringLiteral("cmdOK"))->text(), LangText(24005));
        QVERIFY(!LangText(24003).isEmpty());
    }
};

QTEST_MAIN(TestShellDialogs)
#include "tst_shelldialogs.moc"
