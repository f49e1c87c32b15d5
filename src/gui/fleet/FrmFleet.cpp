#include "FrmFleet.h"

#include "FleetReceipts.h"
#include "LangText.h"
#include "ModBeep.h"
#include "Models.h"
#include "RadioImage.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTextDocument>
#include <QTextEdit>
#include <QVBoxLayout>

namespace {
// Banner colours: waiting, working, and one per result.
const char *const kWaitColour = "#1f5fa8";
const char *const kWorkColour = "#6b6b6b";
const char *const kResultColours[kFleetResultCount] = {"#1e8c3a", "#c0392b", "#d35400", "#7f8c8d", "#c0392b"};

enum Column { TimeColumn, SerialColumn, FirmwareColumn, ResultColumn, DetailsColumn, ColumnCount };

QString htmlEscaped(const QString &text)
{
    return text.toHtmlEscaped();
}

// The sound of a result: rising for verified, low and long for a failure.
void resultSound(FleetResult result)
{
    switch (result) {
    case FleetResult::Verified: Beep(880, 120); Beep(1320, 160); break;
    case FleetResult::Refused: Beep(440, 200); Beep(440, 200); break;
    case FleetResult::Cancelled: Beep(660, 200); break;
    default: Beep(300, 700); break;
    }
}
} // namespace

FrmFleet::FrmFleet(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("FrmFleet"));
    buildForm();
    applyCaptions();
    setRunning(false);
    showBanner(LangText(31102), QString(), QString::fromLatin1(kWaitColour));
    resize(860, 660);
}

FrmFleet::~FrmFleet()
{
    if (session_ && session_->isRunning())
        session_->cancel();
}

void FrmFleet::buildForm()
{
    auto *outer = new QVBoxLayout(this);

    auto *setup = new QGroupBox(this);
    setup->setObjectName(QStringLiteral("GroupSetup"));
    auto *form = new QFormLayout(setup);
    form->setFieldGrowthPolicy(QFormLayout::ExpandingFieldsGrow);
    auto *image = new QLabel(setup);
    image->setObjectName(QStringLiteral("LabelImage"));
    form->addRow(new QLabel(setup), image);

    auto pathRow = [this, setup](QLineEdit *&edit, const char *name, auto chooser) {
        auto *row = new QWidget(setup);
        auto *h = new QHBoxLayout(row);
        h->setContentsMargins(0, 0, 0, 0);
        edit = new QLineEdit(row);
        edit->setObjectName(QString::fromLatin1(name));
        auto *choose = new QPushButton(row);
        choose->setObjectName(QString::fromLatin1(name) + QStringLiteral("Choose"));
        connect(choose, &QPushButton::clicked, this, chooser);
        h->addWidget(edit, 1);
        h->addWidget(choose);
        setupWidgets_ << edit << choose;
        return row;
    };
    form->addRow(new QLabel(setup), pathRow(logEdit_, "TextLog", &FrmFleet::chooseLog));

    auto *modes = new QWidget(setup);
    auto *mv = new QVBoxLayout(modes);
    mv->setContentsMargins(0, 0, 0, 0);
    enterMode_ = new QRadioButton(modes);
    enterMode_->setObjectName(QStringLiteral("OptionEnter"));
    autoMode_ = new QRadioButton(modes);
    autoMode_->setObjectName(QStringLiteral("OptionAuto"));
    enterMode_->setChecked(true);
    mv->addWidget(enterMode_);
    mv->addWidget(autoMode_);
    form->addRow(new QLabel(setup), modes);

    skipDone_ = new QCheckBox(setup);
    skipDone_->setObjectName(QStringLiteral("CheckSkipDone"));
    form->addRow(QString(), skipDone_);

    auto *countRow = new QWidget(setup);
    auto *ch = new QHBoxLayout(countRow);
    ch->setContentsMargins(0, 0, 0, 0);
    count_ = new QSpinBox(countRow);
    count_->setObjectName(QStringLiteral("SpinCount"));
    count_->setRange(0, 9999);
    auto *countUnit = new QLabel(countRow);
    countUnit->setObjectName(QStringLiteral("LabelCountUnit"));
    ch->addWidget(count_);
    ch->addWidget(countUnit);
    ch->addStretch(1);
    form->addRow(new QLabel(setup), countRow);
    form->addRow(new QLabel(setup), pathRow(valuesEdit_, "TextValues", &FrmFleet::chooseValues));
    setupWidgets_ << enterMode_ << autoMode_ << skipDone_ << count_;
    outer->addWidget(setup);

    bannerFrame_ = new QFrame(this);
    bannerFrame_->setObjectName(QStringLiteral("FrameBanner"));
    bannerFrame_->setMinimumHeight(96);
    auto *bannerLayout = new QVBoxLayout(bannerFrame_);
    banner_ = new QLabel(bannerFrame_);
    banner_->setObjectName(QStringLiteral("LabelBanner"));
    banner_->setAlignment(Qt::AlignCenter);
    banner_->setWordWrap(true);
    QFont big = banner_->font();
    big.setPointSizeF(big.pointSizeF() * 2.0);
    big.setBold(true);
    banner_->setFont(big);
    bannerDetail_ = new QLabel(bannerFrame_);
    bannerDetail_->setObjectName(QStringLiteral("LabelBannerDetail"));
    bannerDetail_->setAlignment(Qt::AlignCenter);
    bannerDetail_->setWordWrap(true);
    QFont detailFont = bannerDetail_->font();
    detailFont.setPointSizeF(detailFont.pointSizeF() * 1.2);
    bannerDetail_->setFont(detailFont);
    bannerLayout->addWidget(banner_);
    bannerLayout->addWidget(bannerDetail_);
    outer->addWidget(bannerFrame_);

    auto *status = new QHBoxLayout;
    counter_ = new QLabel(this);
    counter_->setObjectName(QStringLiteral("LabelCount"));
    QFont mid = counter_->font();
    mid.setPointSizeF(mid.pointSizeF() * 1.3);
    counter_->setFont(mid);
    progress_ = new QProgressBar(this);
    progress_->setObjectName(QStringLiteral("ProgressRadio"));
    progress_->setRange(0, 100);
    status->addWidget(counter_);
    status->addWidget(progress_, 1);
    outer->addLayout(status);

    table_ = new QTableWidget(0, ColumnCount, this);
    table_->setObjectName(QStringLiteral("GridLog"));
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->verticalHeader()->setVisible(false);
    table_->horizontalHeader()->setStretchLastSection(true);
    outer->addWidget(table_, 1);

    summary_ = new QTextEdit(this);
    summary_->setObjectName(QStringLiteral("TextSummary"));
    summary_->setReadOnly(true);
    summary_->setVisible(false);
    outer->addWidget(summary_, 1);

    auto *buttons = new QHBoxLayout;
    auto button = [this, buttons](QPushButton *&b, const char *name) {
        b = new QPushButton(this);
        b->setObjectName(QString::fromLatin1(name));
        b->setAutoDefault(false);
        buttons->addWidget(b);
    };
    button(start_, "CommandStart");
    button(next_, "CommandNext");
    button(cancel_, "CommandCancel");
    buttons->addStretch(1);
    button(print_, "CommandPrint");
    button(pdf_, "CommandPdf");
    button(close_, "CommandClose");
    outer->addLayout(buttons);
    QFont nextFont = next_->font();
    nextFont.setBold(true);
    next_->setFont(nextFont);

    connect(start_, &QPushButton::clicked, this, [this] { startSession(); });
    connect(next_, &QPushButton::clicked, this, [this] {
        if (session_)
            session_->nextRadioConnected();
    });
    connect(cancel_, &QPushButton::clicked, this, [this] {
        if (session_)
            session_->cancel();
    });
    connect(print_, &QPushButton::clicked, this, &FrmFleet::printLog);
    connect(pdf_, &QPushButton::clicked, this, &FrmFleet::saveLogPdfAsked);
    connect(close_, &QPushButton::clicked, this, &FrmFleet::reject);
}

void FrmFleet::applyCaptions()
{
    setWindowTitle(LangText(31101));
    auto *form = findChild<QGroupBox *>(QStringLiteral("GroupSetup"))->findChild<QFormLayout *>();
    const int captions[] = {31132, 31134, 31136, 0, 31140, 31142};
    for (int row = 0; row < form->rowCount(); ++row) {
        QLayoutItem *item = form->itemAt(row, QFormLayout::LabelRole);
        if (auto *label = item ? qobject_cast<QLabel *>(item->widget()) : nullptr)
            label->setText(captions[row] ? LangText(captions[row]) : QString());
    }
    findChild<QLabel *>(QStringLiteral("LabelImage"))
        ->setText(LangText(31133) + QStringLiteral(" (") + BandName(Image().header.model.bandMode) + QLatin1Char(')'));
    for (QPushButton *b : findChildren<QPushButton *>()) {
        if (b->objectName().endsWith(QLatin1String("Choose")))
            b->setText(LangText(31135));
    }
    enterMode_->setText(LangText(31137));
    autoMode_->setText(LangText(31138));
    skipDone_->setText(LangText(31139));
    findChild<QLabel *>(QStringLiteral("LabelCountUnit"))->setText(LangText(31141));
    start_->setText(LangText(31143));
    next_->setText(LangText(31144));
    cancel_->setText(LangText(31145));
    print_->setText(LangText(31146));
    pdf_->setText(LangText(31147));
    close_->setText(LangText(31148));
    table_->setHorizontalHeaderLabels({LangText(31149), LangText(31150), LangText(31151), LangText(31152), LangText(31153)});
    table_->setColumnWidth(TimeColumn, 90);
    table_->setColumnWidth(SerialColumn, 130);
    table_->setColumnWidth(FirmwareColumn, 80);
    table_->setColumnWidth(ResultColumn, 120);
    counter_->setText(LangText(31103).arg(0));
}

void FrmFleet::setLogPath(const QString &path)
{
    logEdit_->setText(path);
}

void FrmFleet::setAutoNext(bool on)
{
    (on ? autoMode_ : enterMode_)->setChecked(true);
}

void FrmFleet::setCount(int count)
{
    count_->setValue(count);
}

void FrmFleet::chooseLog()
{
    const QString path = QFileDialog::getSaveFileName(this, LangText(31154), logEdit_->text(), LangText(31156),
                                                      nullptr, QFileDialog::DontConfirmOverwrite);
    if (!path.isEmpty())
        logEdit_->setText(path);
}

void FrmFleet::chooseValues()
{
    const QString path = QFileDialog::getOpenFileName(this, LangText(31155), valuesEdit_->text(), LangText(31156));
    if (!path.isEmpty())
        valuesEdit_->setText(path);
}

bool FrmFleet::startSession()
{
    if (session_ && session_->isRunning())
        return false;
    const QString logPath = logEdit_->text().trimmed();
    if (logPath.isEmpty()) {
        showBanner(LangText(31158), QString(), QString::fromLatin1(kResultColours[int(FleetResult::Refused)]));
        return false;
    }
    QString problem;
    if (!log_.open(logPath, &problem)) {
        showBanner(LangText(31112), problem, QString::fromLatin1(kResultColours[int(FleetResult::Refused)]));
        return false;
    }
    const QString valuesPath = valuesEdit_->text().trimmed();
    if (!valuesPath.isEmpty() && !values_.read(valuesPath, &problem)) {
        showBanner(LangText(31112), LangText(31120).arg(problem),
                   QString::fromLatin1(kResultColours[int(FleetResult::Refused)]));
        return false;
    }
    FleetOptions options;
    options.next = autoMode_->isChecked() ? FleetOptions::Next::Auto : FleetOptions::Next::Enter;
    options.count = count_->value();
    options.skipDone = skipDone_->isChecked();
    session_ = std::make_unique<FleetSession>(log_, options);
    if (!valuesPath.isEmpty())
        session_->setValuesTable(&values_);
    if (!historyFolder_.isEmpty())
        session_->setReceiptRecorder(HistoryReceiptRecorder(historyFolder_));
    connect(session_.get(), &FleetSession::stageChanged, this, &FrmFleet::onStage);
    connect(session_.get(), &FleetSession::radioLogged, this, &FrmFleet::onLogged);
    connect(session_.get(), &FleetSession::finished, this, &FrmFleet::onFinished);
    connect(session_.get(), &FleetSession::progress, progress_, &QProgressBar::setValue);
    connect(session_.get(), &FleetSession::notice, this,
            [this](const QString &text) { showBanner(LangText(31102), text, QString::fromLatin1(kWaitColour)); });
    rows_.clear();
    table_->setRowCount(0);
    summary_->setVisible(false);
    table_->setVisible(true);
    setRunning(true);
    session_->start();
    return true;
}

void FrmFleet::setRunning(bool running)
{
    for (QWidget *w : setupWidgets_)
        w->setEnabled(!running);
    start_->setEnabled(!running);
    cancel_->setEnabled(running);
    next_->setEnabled(false);
    close_->setEnabled(!running);
    print_->setEnabled(!running && !rows_.isEmpty());
    pdf_->setEnabled(!running && !rows_.isEmpty());
}

void FrmFleet::showBanner(const QString &text, const QString &detail, const QString &colour)
{
    banner_->setText(text);
    bannerDetail_->setText(detail);
    bannerDetail_->setVisible(!detail.isEmpty());
    bannerColour_ = colour;
    bannerFrame_->setStyleSheet(
        QStringLiteral("QFrame#FrameBanner { background: %1; border-radius: 6px; } QLabel { color: white; }").arg(colour));
}

void FrmFleet::onStage(FleetSession::Stage stage)
{
    const QString serial = session_ ? session_->currentRadio().serial : QString();
    next_->setEnabled(stage == FleetSession::Stage::WaitingForUser);
    // After a radio its result stays visible, in its colour, under what comes next.
    const QString lastResult = rows_.isEmpty() ? QString() : lastResultText_;
    const QString lastColour = rows_.isEmpty() ? QString::fromLatin1(kWaitColour)
                                               : QString::fromLatin1(kResultColours[int(rows_.last().result)]);
    switch (stage) {
    case FleetSession::Stage::WaitingForRadio:
        progress_->setValue(0);
        showBanner(LangText(31104), QString(), QString::fromLatin1(kWaitColour));
        break;
    case FleetSession::Stage::Writing:
        progress_->setValue(0);
        showBanner(LangText(31105).arg(serial), QString(), QString::fromLatin1(kWorkColour));
        break;
    case FleetSession::Stage::Verifying:
        progress_->setValue(0);
        showBanner(LangText(31106).arg(serial), QString(), QString::fromLatin1(kWorkColour));
        break;
    case FleetSession::Stage::WaitingForUser:
        showBanner(LangText(31102) + QStringLiteral(" (") + LangText(31103).arg(session_->radiosDone())
                       + QLatin1Char(')'),
                   lastResult, lastColour);
        next_->setFocus();
        break;
    case FleetSession::Stage::WaitingForChange:
        showBanner(LangText(31107), lastResult, lastColour);
        break;
    case FleetSession::Stage::Cancelling:
        showBanner(LangText(31108), QString(), QString::fromLatin1(kResultColours[int(FleetResult::Cancelled)]));
        break;
    default:
        break;
    }
}

void FrmFleet::onLogged(const FleetLogRow &row)
{
    rows_ << row;
    const int r = table_->rowCount();
    table_->insertRow(r);
    const QString values[ColumnCount] = {row.time.toString(QStringLiteral("HH:mm:ss")), row.serial, row.firmware,
                                         LangText(31110 + int(row.result)),
                                         row.valuesSet.isEmpty() ? row.details
                                         : row.details.isEmpty() ? LangText(31162) + QStringLiteral(": ") + row.valuesSet
                                                                 : row.details + QStringLiteral("; ") + row.valuesSet};
    const QColor colour(QString::fromLatin1(kResultColours[int(row.result)]));
    for (int c = 0; c < ColumnCount; ++c) {
        auto *item = new QTableWidgetItem(values[c]);
        item->setToolTip(values[c]);
        if (c == ResultColumn) {
            item->setBackground(colour);
            item->setForeground(Qt::white);
        }
        table_->setItem(r, c, item);
    }
    table_->scrollToBottom();
    counter_->setText(LangText(31103).arg(rows_.size()));
    lastResultText_ = LangText(31161).arg(row.serial.isEmpty() ? QStringLiteral("?") : row.serial,
                                          LangText(31110 + int(row.result)));
    if (!row.details.isEmpty())
        lastResultText_ += QStringLiteral("\n") + row.details;
    showBanner(LangText(31110 + int(row.result)), lastResultText_, colour.name());
    resultSound(row.result);
}

QString FrmFleet::summaryText() const
{
    return session_ ? FleetSummaryLines(session_->summary()).join(QLatin1Char('\n')) : QString();
}

void FrmFleet::onFinished(const FleetSummary &summary)
{
    setRunning(false);
    progress_->setValue(0);
    const bool allVerified = summary.failed.isEmpty() && summary.total() > 0;
    showBanner(LangText(31128),
               LangText(31110) + QStringLiteral(": ") + QString::number(summary.counts[int(FleetResult::Verified)])
                   + QStringLiteral(" / ") + QString::number(summary.total()),
               QString::fromLatin1(allVerified ? kResultColours[int(FleetResult::Verified)]
                                   : summary.total() == 0 ? kWaitColour
                                                          : kResultColours[int(FleetResult::VerifyFailed)]));
    summary_->setPlainText(summaryText());
    summary_->setVisible(true);
}

QString FrmFleet::logHtml() const
{
    QString html = QStringLiteral("<h2>%1</h2><p>%2</p><table border=1 cellspacing=0 cellpadding=3><tr>")
                       .arg(htmlEscaped(LangText(31159)), htmlEscaped(log_.path()));
    for (int id : {31149, 31150, 31151, 31152, 31153, 31162})
        html += QStringLiteral("<th>%1</th>").arg(htmlEscaped(LangText(id)));
    html += QStringLiteral("</tr>");
    for (const FleetLogRow &row : rows_) {
        html += QStringLiteral("<tr><td>%1</td><td>%2</td><td>%3</td><td style=\"color:%4\"><b>%5</b></td><td>%6</td><td>%7</td></tr>")
                    .arg(htmlEscaped(row.time.toString(Qt::ISODate)), htmlEscaped(row.serial), htmlEscaped(row.firmware),
                         QString::fromLatin1(kResultColours[int(row.result)]),
                         htmlEscaped(LangText(31110 + int(row.result))), htmlEscaped(row.details),
                         htmlEscaped(row.valuesSet));
    }
    html += QStringLiteral("</table><h3>%1</h3><pre>%2</pre>").arg(htmlEscaped(LangText(31163)), htmlEscaped(summaryText()));
    return html;
}

bool FrmFleet::saveLogPdf(const QString &path)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    QTextDocument doc;
    doc.setHtml(logHtml());
    doc.print(&printer);
    return QFileInfo(path).size() > 0;
}

void FrmFleet::printLog()
{
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    QTextDocument doc;
    doc.setHtml(logHtml());
    doc.print(&printer);
}

void FrmFleet::saveLogPdfAsked()
{
    QString suggestion = log_.path();
    if (suggestion.endsWith(QLatin1String(".csv"), Qt::CaseInsensitive))
        suggestion.chop(4);
    const QString path =
        QFileDialog::getSaveFileName(this, LangText(31147), suggestion + QStringLiteral(".pdf"), LangText(31157));
    if (path.isEmpty())
        return;
    if (saveLogPdf(path))
        showBanner(LangText(31128), LangText(31160).arg(path), bannerColour_);
}

void FrmFleet::reject()
{
    if (session_ && session_->isRunning()) {
        session_->cancel();
        return;   // the window stays until the radio in flight has ended safely
    }
    QDialog::reject();
}
