// Values a window stores merely by being shown: on a damaged document every window
// either leaves the image as it is, or its correction is an undo step of its own that
// brings the stored values back, and a warning names them in the open-time warning's words.
#include "../shell/ShellSession.h"

#include "DocumentHistory.h"
#include "ImageCompare.h"
#include "LangText.h"
#include "PackCheck.h"
#include "RadioImage.h"
#include "UiChildWindows.h"
#include "UiWindowCatalog.h"

#include <QRandomGenerator>
#include <QtTest>

namespace {
const char *const kEditorWindows[] = {"frmCommChInfo", "FrmCHInfoEdit", "FrmOptFeatures", "FrmDTMF",
                                      "FrmKey",        "FrmToneTips",   "FrmRadioInfo"};

// The document becomes the image, as an Open of a file holding it does.
void openAsDocument(const RadioImage &img)
{
    CloseAllChildWindows();
    Saved() = img;
    LoadFromSavedCopy();
    ResetDocumentHistory();
}
}

class TestShownCorrections : public QObject {
    Q_OBJECT
    std::unique_ptr<ShellSession> shell;

private slots:
    void initTestCase() { RegisterAllWindows(); }
    void init() { shell = std::make_unique<ShellSession>(); }
    void cleanup() { shell.reset(); }

    void swrAlarmOutOfRangeIsAnUndoStepWithTheOpenWarningsWords()
    {
        RadioImage damaged = Image();
        damaged.header.options.MaxSWROn = -21798;
        openAsDocument(damaged);
        const QStringList openWarning = ProblemsOfOpenedImage(Image()).lines;
        QCOMPARE(openWarning.size(), 1);

        ShowChild(QStringLiteral("FrmOptFeatures"));
        QCOMPARE(Image().header.options.MaxSWROn, int16_t(0));   // the check box shows Off
        const QString title = LoadedWindow(QStringLiteral("FrmOptFeatures"))->windowTitle();
        QCOMPARE(shell->answers->messages.size(), 1);
        const QString warning = shell->answers->messages.first();
        QVERIFY2(warning.startsWith(LangText(30602).arg(title)), qPrintable(warning));
        QVERIFY2(warning.contains(openWarning.first()), qPrintable(warning));
        QCOMPARE(History().undoDescription(), LangText(30603).arg(title));
        QVERIFY(IsModified());

        QVERIFY(History().undo());
        QCOMPARE(Image().header.options.MaxSWROn, int16_t(-21798));

        // Shown on a sound image: no step, no word.
        RadioImage sound = damaged;
        sound.header.options.MaxSWROn = 1;
        openAsDocument(sound);
        shell->answers->messages.clear();
        ShowChild(QStringLiteral("FrmOptFeatures"));
        QVERIFY(shell->answers->messages.isEmpty());
        QVERIFY(!History().canUndo());
    }

    // Each window on a settings area of random bytes: whatever it corrects, undo brings
    // the stored bytes back and a warning was shown.
    void everyWindowOnADamagedHeader()
    {
        for (quint32 seed : {1u, 2u, 3u}) {
            QRandomGenerator random(seed);
            QByteArray bytes = Image().toBytes();
            for (int i = 0x10; i < 0x420; ++i)
                bytes[i] = char(random.bounded(256));
            const RadioImage damaged = RadioImage::fromBytes(bytes);
            for (const char *name : kEditorWindows) {
                openAsDocument(damaged);
                shell->answers->messages.clear();
                QVERIFY2(ShowChild(QString::fromLatin1(name)), name);
                if (shell->answers->messages.isEmpty()) {
                    // Unchanged, or only a view state changed (which group shows).
                    QVERIFY2(!History().canUndo(), name);
                    continue;
                }
                // The warning names at least one value.
                QCOMPARE(shell->answers->messages.size(), 1);
                const QString lead = LangText(30602).arg(LoadedWindow(QString::fromLatin1(name))->windowTitle());
                const QString warning = shell->answers->messages.first();
                QVERIFY2(warning.startsWith(lead) && warning.size() > lead.size() + 4, qPrintable(warning));
                QVERIFY2(History().undo(), name);
                QVERIFY2(Image() == damaged, name);
            }
        }
    }
};

QTEST_MAIN(TestShownCorrections)
#include "tst_ShownCorrections.moc"
