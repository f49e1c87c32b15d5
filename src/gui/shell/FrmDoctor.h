#pragma once
#include "ConnectionDoctor.h"
#include "PortFinder.h"

#include <QDialog>
#include <memory>

class QComboBox;
class QLabel;
class QPushButton;
class QTextBrowser;
class QTimer;

// Help > Check connection: the connection doctor's checks for the chosen port, each
// with its verdict and fix, above the list of serial devices (those this user cannot
// open marked). "Find the cable" watches the device list while the cable is unplugged
// and plugged in, and offers the device that appeared; "Use this port" makes it the
// port of every radio command (as the port window would).
class FrmDoctor : public QDialog {
    Q_OBJECT
public:
    explicit FrmDoctor(QWidget *parent = nullptr);
    ~FrmDoctor() override;

    QComboBox *portBox() const { return port_; }
    QTextBrowser *results() const { return results_; }
    const DoctorReport &report() const { return report_; }

public slots:
    void CheckNow();          // runs every check on the port in the box
    void FindCable();         // starts (or stops) the port finder
    void UseFoundPort();

private:
    void fillPorts(const QString &select);
    void lookForCable();
    QString reportHtml() const;

    QComboBox *port_ = nullptr;
    QTextBrowser *results_ = nullptr;
    QPushButton *check_ = nullptr;
    QPushButton *find_ = nullptr;
    QPushButton *use_ = nullptr;
    QLabel *finderNote_ = nullptr;
    QTimer *finderTimer_ = nullptr;
    std::unique_ptr<PortFinder> finder_;
    int finderLooks_ = 0;
    DoctorReport report_;
};
