// Texts from a radio or a file reach a terminal escaped and a window without their
// control bytes; the line breaks of a message survive where asked.
#include "ControlChars.h"

#include <QtTest>

class TestControlChars : public QObject {
    Q_OBJECT
private slots:
    void escapedForTheTerminal()
    {
        const QString title = QStringLiteral("SN1\x1B]0;owned\x07 ok\x7F") + QChar(0x9B) + QStringLiteral("2J");
        QCOMPARE(EscapeControls(title), QStringLiteral("SN1\\x1B]0;owned\\x07 ok\\x7F\\x9B2J"));
        QCOMPARE(EscapeControls(QStringLiteral("a\r\nb")), QStringLiteral("a\\x0D\\x0Ab"));
        QCOMPARE(EscapeControls(QStringLiteral("a\r\nb"), LineBreaks::Keep), QStringLiteral("a\r\nb"));
        QCOMPARE(EscapeControls(QStringLiteral("中文 V1.00")), QStringLiteral("中文 V1.00"));
    }

    void droppedInTheWindows()
    {
        QCOMPARE(DropControls(QStringLiteral("V1\x1B[2J.00\x00")), QStringLiteral("V1[2J.00"));
        QCOMPARE(DropControls(QStringLiteral("line 1\r\nline\t2"), LineBreaks::Keep), QStringLiteral("line 1\r\nline2"));
    }
};

QTEST_GUILESS_MAIN(TestControlChars)
#include "tst_controlchars.moc"
