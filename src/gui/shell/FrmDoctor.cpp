#include "FrmDoctor.h"

#include "LangText.h"
#include "PortList.h"
#include "RunSettings.h"
#include "Startup.h"

#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTextBrowser>
#include <QTimer>
#include <QVBoxLayout>

namespace {
constexpr int kFinderLookMs = 250;
constexpr int kFinderSeconds = 60;

QString esc(const QString &s)
{
    return s.toHtmlEscaped();
}

QString verdictBadge(DoctorCheck::Verdict v)
{
    const char *colour = v == DoctorCheck::Verdict::Ok ? "#1b7f2a" : v == DoctorCheck::Verdict::Note ? "#9a6700" : "#c62828";
    const int text = v == DoctorCheck::Verdict::Ok ? 30945 : v == DoctorCheck::Verdict::Note ? 30947 : 30946;
    return QStringLiteral("<b style=\"color:%1\">%2</b>").arg(QLatin1String(colour), esc(LangText(text)));
}
} // namespace

FrmDoctor::FrmDoctor(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FrmDoctor"));
    setWindowTitle(LangText(30950));

    auto *portRow = new QHBoxLayout;
    auto *portLabel = new QLabel(LangText(30958));
    port_ = new QComboBox;
    port_->setObjectName(QStringLiteral("Combo1"));
    port_->setEditable(true);
    port_->setMinimumWidth(360);
    portLabel->setBuddy(port_);
    check_ = new QPushButton(LangText(30951));
    check_->setObjectName(QStringLiteral("CommandCheck"));
    portRow->addWidget(portLabel);
    portRow->addWidget(port_, 1);
    portRow->addWidget(check_);

    results_ = new QTextBrowser;
    results_->setObjectName(QStringLiteral("Text1"));
    results_->setMinimumSize(660, 360);
    results_->setOpenLinks(false);

    auto *finderRow = new QHBoxLayout;
    find_ = new QPushButton(LangText(30952));
    find_->setObjectName(QStringLiteral("CommandFind"));
    finderNote_ = new QLabel;
    finderNote_->setObjectName(QStringLiteral("Label1"));
    finderNote_->setWordWrap(true);
    use_ = new QPushButton(LangText(30953));
    use_->setObjectName(QStringLiteral("CommandUse"));
    use_->setEnabled(false);
    auto *close = new QPushButton(LangText(30954));
    close->setObjectName(QStringLiteral("CommandClose"));
    finderRow->addWidget(find_);
    finderRow->addWidget(finderNote_, 1);
    finderRow->addWidget(use_);
    finderRow->addWidget(close);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(portRow);
    layout->addWidget(results_, 1);
    layout->addLayout(finderRow);

    finderTimer_ = new QTimer(this);
    finderTimer_->setInterval(kFinderLookMs);
    connect(finderTimer_, &QTimer::timeout, this, &FrmDoctor::lookForCable);
    connect(check_, &QPushButton::clicked, this, &FrmDoctor::CheckNow);
    connect(find_, &QPushButton::clicked, this, &FrmDoctor::FindCable);
    connect(use_, &QPushButton::clicked, this, &FrmDoctor::UseFoundPort);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    fillPorts(LinkDevicePath());
    resize(760, 520);
}

FrmDoctor::~FrmDoctor() = default;

void FrmDoctor::fillPorts(const QString &select)
{
    port_->clear();
    for (const SurveyedDevice &d : SurveySerialDevices(CurrentSystem())) {
        const QString path = d.byId.isEmpty() ? d.path : d.byId;
        port_->addItem(path, path);
    }
    if (!select.isEmpty() && port_->findData(select) < 0)
        port_->addItem(select, select);
    const int at = port_->findData(select);
    if (at >= 0)
        port_->setCurrentIndex(at);
}

void FrmDoctor::CheckNow()
{
    results_->setHtml(QStringLiteral("<p>%1</p>").arg(esc(LangText(30957))));
    check_->setEnabled(false);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    DoctorOptions options;
    options.port = port_->currentText().trimmed();
    options.ownPid = int(QCoreApplication::applicationPid());
    report_ = RunConnectionDoctor(CurrentSystem(), options);
    QApplication::restoreOverrideCursor();
    check_->setEnabled(true);
    if (!report_.port.isEmpty() && port_->currentText().trimmed().isEmpty())
        fillPorts(report_.port);
    results_->setHtml(reportHtml());
}

QString FrmDoctor::reportHtml() const
{
    QString h;
    if (!report_.port.isEmpty())
        h += QStringLiteral("<h3>%1</h3>").arg(esc(LangText(30935).arg(report_.port)));
    h += QStringLiteral("<table cellspacing=\"4\">");
    for (const DoctorCheck &c : report_.checks) {
        h += QStringLiteral("<tr><td valign=\"top\">%1</td><td>%2").arg(verdictBadge(c.verdict), esc(c.finding));
        if (!c.fix.isEmpty())
            h += QStringLiteral("<br><i>%1 %2</i>").arg(esc(LangText(30948)), esc(c.fix));
        h += QStringLiteral("</td></tr>");
    }
    h += QStringLiteral("</table><h3>%1</h3>").arg(esc(LangText(30934)));
    if (report_.devices.isEmpty())
        h += QStringLiteral("<p>%1</p>").arg(esc(LangText(30938)));
    h += QStringLiteral("<table cellspacing=\"4\">");
    for (const SurveyedDevice &d : report_.devices) {
        const bool open = d.access.userCanReadWrite;
        h += QStringLiteral("<tr><td valign=\"top\"><b>%1</b>%2</td><td valign=\"top\" style=\"color:%3\">%4</td></tr>")
                 .arg(esc(d.path), d.byId.isEmpty() ? QString() : QStringLiteral("<br><small>%1</small>").arg(esc(d.byId)),
                      QLatin1String(open ? "#1b7f2a" : "#c62828"), esc(LangText(open ? 30932 : 30933)));
        const QString details = SurveyedDeviceDetails(d);
        if (!details.isEmpty())
            h += QStringLiteral("<tr><td colspan=\"2\"><small>%1</small></td></tr>").arg(esc(details));
    }
    return h + QStringLiteral("</table>");
}

void FrmDoctor::FindCable()
{
    if (finderTimer_->isActive()) {
        finderTimer_->stop();
        finderNote_->clear();
        return;
    }
    finder_ = std::make_unique<PortFinder>(PresentSerialPaths());
    finderLooks_ = 0;
    use_->setEnabled(false);
    finderNote_->setText(LangText(30942));
    finderTimer_->start();
}

void FrmDoctor::lookForCable()
{
    const QString found = finder_->look(PresentSerialPaths());
    if (!found.isEmpty()) {
        finderTimer_->stop();
        finderNote_->setText(LangText(30943).arg(found));
        fillPorts(found);
        use_->setEnabled(true);
        CheckNow();
        return;
    }
    if (++finderLooks_ * kFinderLookMs >= kFinderSeconds * 1000) {
        finderTimer_->stop();
        finderNote_->setText(LangText(30944).arg(kFinderSeconds));
    }
}

void FrmDoctor::UseFoundPort()
{
    const QString device = port_->currentText().trimmed();
    if (device.isEmpty())
        return;
    // A device with a COM number is chosen by that number; any other as the other device.
    for (const PortSlot &slot : ListPorts()) {
        if (slot.present && FindSerialDevice(device, {slot.info}).device == slot.info.device && !slot.info.device.isEmpty()) {
            Run().comPort = slot.number;
            WriteComPort(slot.number);
            SaveOtherDevice(QString());
            use_->setEnabled(false);
            return;
        }
    }
    SaveOtherDevice(device);
    use_->setEnabled(false);
}
