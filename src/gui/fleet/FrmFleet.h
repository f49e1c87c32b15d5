#pragma once
#include "FleetLog.h"
#include "FleetRadioValues.h"
#include "FleetSession.h"

#include <QDialog>

#include <memory>

class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTableWidget;
class QTextEdit;

// Program → "Program several radios…": the document now open into many radios, one after
// the other. The user chooses the log, how the next radio is taken, a limit and the
// per-radio values, then starts; a large banner in a clear colour says what to do or
// what happened to the last radio (with a sound for each result), the table lists the
// log's rows of this session, and at the end the summary is shown and the log can be
// printed or saved as PDF. The session itself is FleetSession (core).
class FrmFleet : public QDialog {
    Q_OBJECT
public:
    explicit FrmFleet(QWidget *parent = nullptr);
    ~FrmFleet() override;

    // Starts with what the form holds; false (with a message on the banner) when the log
    // or the per-radio values cannot be used.
    bool startSession();
    FleetSession *session() const { return session_.get(); }
    void setLogPath(const QString &path);
    void setAutoNext(bool on);
    void setCount(int count);
    // Where each radio's receipt goes: the radio history's folder; empty keeps none.
    void setHistoryFolder(const QString &folder) { historyFolder_ = folder; }
    // The log as pages: to the printer chosen by the user, or as a PDF file.
    bool saveLogPdf(const QString &path);
    QString summaryText() const;

    void reject() override;   // Esc, Close and the window's close: a running session is cancelled first

private:
    void buildForm();
    void applyCaptions();
    void chooseLog();
    void chooseValues();
    void onStage(FleetSession::Stage stage);
    void onLogged(const FleetLogRow &row);
    void onFinished(const FleetSummary &summary);
    void showBanner(const QString &text, const QString &detail, const QString &colour);
    void printLog();
    void saveLogPdfAsked();
    QString logHtml() const;
    void setRunning(bool running);

    QString historyFolder_;
    QLineEdit *logEdit_ = nullptr;
    QLineEdit *valuesEdit_ = nullptr;
    QRadioButton *enterMode_ = nullptr;
    QRadioButton *autoMode_ = nullptr;
    QCheckBox *skipDone_ = nullptr;
    QSpinBox *count_ = nullptr;
    QFrame *bannerFrame_ = nullptr;
    QLabel *banner_ = nullptr;
    QLabel *bannerDetail_ = nullptr;
    QString bannerColour_;
    QString lastResultText_;
    QLabel *counter_ = nullptr;
    QProgressBar *progress_ = nullptr;
    QTableWidget *table_ = nullptr;
    QTextEdit *summary_ = nullptr;
    QPushButton *start_ = nullptr;
    QPushButton *next_ = nullptr;
    QPushButton *cancel_ = nullptr;
    QPushButton *print_ = nullptr;
    QPushButton *pdf_ = nullptr;
    QPushButton *close_ = nullptr;
    QList<QWidget *> setupWidgets_;

    FleetLog log_;
    FleetValuesTable values_;
    std::unique_ptr<FleetSession> session_;
    QList<FleetLogRow> rows_;
};
