// Undo and redo through the Edit menu: every editor's change comes back byte for byte
// and the open window shows it; saved state, fresh histories, and the entries' texts.
#include "ComfortSession.h"

#include "ChannelGroup.h"
#include "DemoRadio.h"
#include "FrmCHInfoEdit.h"
#include "ImageCompare.h"
#include "LangText.h"
#include "LinkState.h"
#include "PortList.h"
#include "RadioImage.h"
#include "SimulatedRadio.h"
#include "UiUndoCommands.h"
#include "frmCommChInfo.h"

#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTableWidget>
#include <functional>

using comfort::choose;
using comfort::control;

class TestUndoRedo : public QObject {
    Q_OBJECT

    std::unique_ptr<ComfortSession> s;

    QAction *undo() const { return s->entry("mnuEditUndo"); }
    QAction *redo() const { return s->entry("mnuEditRedo"); }
    frmCommChInfo *grid() const { return qobject_cast<frmCommChInfo *>(LoadedWindow(QStringLiteral("frmCommChInfo"))); }

    // The user's change, then undo and redo through the menu entries: the image before and
    // after comes back byte for byte and the window shows it at once.
    void checkUndoRedo(const std::function<void()> &change, const std::function<QString()> &shown)
    {
        const QByteArray before = Image().toBytes();
        const QString shownBefore = shown();
        change();
        const QByteArray after = Image().toBytes();
        const QString shownAfter = shown();
        QVERIFY(before != after);
        QVERIFY(shownBefore != shownAfter);
        undo()->trigger();
        QCOMPARE(Image().toBytes(), before);
        QCOMPARE(shown(), shownBefore);
        redo()->trigger();
        QCOMPARE(Image().toBytes(), after);
        QCOMPARE(shown(), shownAfter);
    }

    static QString index(QComboBox *c) { return c ? QString::number(c->currentIndex()) : QStringLiteral("none"); }

private slots:
    void init()
    {
        s = std::make_unique<ComfortSession>();
        QVERIFY(s->newDocument(1));   // HF: every grid column can be edited
    }

    void cleanup() { s.reset(); }

    void gridCellAndGroupSetting()
    {
        frmCommChInfo *g = grid();
        checkUndoRedo([&] {
            g->grid()->setCurrentCell(0, frmCommChInfo::GridTsq);
            g->EnterGridEdit();
            choose(control<QComboBox>("frmCommChInfo", QStringLiteral("Combo3")), 1);
        }, [&] { return g->cellText(1, frmCommChInfo::GridTsq); });
        checkUndoRedo([&] {
            g->grid()->setCurrentCell(1, frmCommChInfo::GridFreq);
            g->EnterGridEdit();
            auto *box = control<QLineEdit>("frmCommChInfo", QStringLiteral("Text1"));
            box->setText(QStringLiteral("28.5"));
            QTest::keyClick(box, Qt::Key_Return);
        }, [&] { return g->cellText(2, frmCommChInfo::GridFreq); });
        checkUndoRedo([&] { choose(control<QComboBox>("frmCommChInfo", QStringLiteral("Combo8(1)")), 4); },
                      [&] { return index(control<QComboBox>("frmCommChInfo", QStringLiteral("Combo8(1)"))); });
    }

    void channelEditDialogAndItsEntryText()
    {
        ShowChild(QStringLiteral("FrmCHInfoEdit"));
        auto *dialog = qobject_cast<FrmCHInfoEdit *>(LoadedWindow(QStringLiteral("FrmCHInfoEdit")));
        QVERIFY(dialog);
        checkUndoRedo([&] { choose(dialog->option(FrmCHInfoEdit::OptHiCut), 1); },
                      [&] { return index(dialog->option(FrmCHInfoEdit::OptHiCut)); });

        undo()->trigger();
        auto *commands = s->main->findChild<UiUndoCommands *>();
        QVERIFY(commands);
        commands->updateEntries();
        QVERIFY(!undo()->isEnabled());
        QCOMPARE(undo()->text(), LangText(30300));
        QCOMPARE(redo()->text(), LangText(30303).arg(QStringLiteral("A channel 1 ") + LangText(15009)));
        QCOMPARE(redo()->text(), QStringLiteral("&Redo A channel 1 Hi-Cut filter"));
        QCOMPARE(redo()->shortcuts(), QList<QKeySequence>({QKeySequence(QStringLiteral("Ctrl+Y")),
                                                         QKeySequence(QStringLiteral("Ctrl+Shift+Z"))}));
        QCOMPARE(undo()->shortcut(), QKeySequence(QStringLiteral("Ctrl+Z")));
    }

    void memoryFrequencyPicker()
    {
        QVERIFY(s->newDocument(0));   // the picker serves the CB MEM channels
        Edit().CurrentGroup = kCbMemGroup;   // chosen in the grid, which the image remembers
        grid()->ChangeGroup();
        grid()->grid()->setCurrentCell(1, frmCommChInfo::GridFreq);   // MEM channel 2
        ShowChild(QStringLiteral("FrmCHInfoEdit"));
        auto *text1 = control<QLineEdit>("FrmCHInfoEdit", QStringLiteral("Text1"));
        checkUndoRedo([&] {
            OnNextModal([](QDialog *picker) {
                choose(picker->findChild<QComboBox *>(QStringLiteral("Combo1(0)")), 1);   // EU
                choose(picker->findChild<QComboBox *>(QStringLiteral("Combo1(1)")), 36);  // channel 37
                picker->accept();
            }, QStringLiteral("Frm_Mem_Freq"));
            control<QPushButton>("FrmCHInfoEdit", QStringLiteral("Command1"))->click();
        }, [&] { return text1->text(); });
    }

    void optionsDtmfKeysAndToneTips()
    {
        ShowChild(QStringLiteral("FrmOptFeatures"));
        checkUndoRedo([] { choose(control<QComboBox>("FrmOptFeatures", QStringLiteral("Combo1(5)")), 7); },
                      [] { return index(control<QComboBox>("FrmOptFeatures", QStringLiteral("Combo1(5)"))); });
        ShowChild(QStringLiteral("FrmDTMF"));
        checkUndoRedo([] { choose(control<QComboBox>("FrmDTMF", QStringLiteral("Combo1(0)")), 4); },
                      [] { return index(control<QComboBox>("FrmDTMF", QStringLiteral("Combo1(0)"))); });
        ShowChild(QStringLiteral("FrmKey"));
        checkUndoRedo([] { choose(control<QComboBox>("FrmKey", QStringLiteral("Combo1(17)")), 19); },
                      [] { return index(control<QComboBox>("FrmKey", QStringLiteral("Combo1(17)"))); });
        ShowChild(QStringLiteral("FrmToneTips"));
        checkUndoRedo([] { choose(control<QComboBox>("FrmToneTips", QStringLiteral("Combo1(0)")), 4); },
                      [] { return index(control<QComboBox>("FrmToneTips", QStringLiteral("Combo1(0)"))); });
    }

    void undoBackToTheSavedImageClearsModified()
    {
        s->files->saveAnswers = {s->file(QStringLiteral("saved.dat"))};
        s->main->mnuFileSave_Click();
        QVERIFY(!IsModified());
        ShowChild(QStringLiteral("FrmKey"));
        choose(control<QComboBox>("FrmKey", QStringLiteral("Combo2")), 0);
        QVERIFY(IsModified());
        undo()->trigger();
        QVERIFY(!IsModified());
        redo()->trigger();
        QVERIFY(IsModified());
    }

    void newOpenAndReadStartAFreshHistory()
    {
        const auto change = [] {
            ShowChild(QStringLiteral("FrmKey"));
            choose(control<QComboBox>("FrmKey", QStringLiteral("Combo1(0)")), 5);
            QVERIFY(History().canUndo());
        };
        change();
        QVERIFY(s->newDocument(1));
        QVERIFY(!History().canUndo());

        const QString path = s->file(QStringLiteral("open.dat"));
        s->files->saveAnswers = {path};
        s->main->mnuFileSaveAs_Click();
        change();
        s->answers->answers = {Answer::No};
        s->files->openAnswers = {path};
        s->main->mnuFileOpen_Click();
        QVERIFY(!History().canUndo());

        QString error;
        std::unique_ptr<SimulatedRadio> radio(StartDemoRadio(nullptr, &error));
        QVERIFY2(radio, qPrintable(error));
        change();
        s->answers->answers = {Answer::No, Answer::Ok};   // unsaved edits: not saved; read
        s->main->mnuReadFromRadio_Click();
        QTRY_VERIFY_WITH_TIMEOUT(s->answers->log.contains(QStringLiteral("message: ") + LangText(9009)), 20000);
        QTRY_COMPARE(LoadedWindows(QStringLiteral("frmCommChInfo")).size(), 1);
        QVERIFY(!History().canUndo());
        PinRunDevice(QString());
    }

    void nothingToUndoSaysSo()
    {
        undo()->trigger();
        QCOMPARE(ComfortSession::note(), LangText(30304));
    }
};

QTEST_MAIN(TestUndoRedo)
#include "tst_UndoRedo.moc"
