#include "UiSupportCommands.h"

#include "FileChooser.h"
#include "LangText.h"
#include "LinkEngine.h"
#include "LinkState.h"
#include "LinkTrace.h"
#include "MSComm1.h"
#include "Prompts.h"
#include "RecentMessages.h"
#include "SupportReport.h"

#include <QCheckBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
// Owns the trace of the transfer in progress; a child of the engine, so it lives as
// long as the engine does.
class TransferTraceKeeper : public QObject {
public:
    TransferTraceKeeper(LinkEngine *engine, MSComm1 *port) : QObject(engine), port_(port)
    {
        connect(engine, &LinkEngine::transferConfirmed, this, [this](int operation) {
            if (operation != LinkRead && operation != LinkWrite)
                return;
            QDir().mkpath(SupportCacheDir());
            if (trace_.open(LastTransferTracePath()))
                port_->setTrace(&trace_);
        });
        connect(engine, &LinkEngine::operationFinished, this, [this](int, bool) {
            if (port_->trace() == &trace_)
                port_->setTrace(nullptr);
            trace_.close();
        });
    }

private:
    MSComm1 *port_;
    LinkTrace trace_;
};
} // namespace

void KeepLastTransferTrace(LinkEngine *engine, MSComm1 *port)
{
    new TransferTraceKeeper(engine, port);
}

void SaveSupportReport(QWidget *parent)
{
    QDialog dlg(parent);
    dlg.setObjectName(QStringLiteral("FrmSupportReport"));
    dlg.setWindowTitle(LangText(30964));
    auto *what = new QLabel(SupportReportWhatGoesIn());
    what->setObjectName(QStringLiteral("Label1"));
    what->setWordWrap(true);
    what->setMinimumWidth(460);
    auto *withTrace = new QCheckBox(LangText(30961));
    withTrace->setObjectName(QStringLiteral("Check1"));
    withTrace->setEnabled(QFileInfo::exists(LastTransferTracePath()));
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Save | QDialogButtonBox::Cancel);
    auto *layout = new QVBoxLayout(&dlg);
    layout->addWidget(what);
    layout->addWidget(withTrace);
    layout->addWidget(buttons);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dlg, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dlg, &QDialog::reject);
    if (dlg.exec() != QDialog::Accepted)
        return;

    QString path = fileChooser().chooseSavePath(QStringLiteral("*.tar.gz"), QStringLiteral("tarven-report.tar.gz"));
    if (path.isEmpty())
        return;
    if (!path.endsWith(QLatin1String(".tar.gz")))
        path += QStringLiteral(".tar.gz");
    SupportReportOptions options;
    options.includeTrace = withTrace->isChecked();
    QString error;
    if (WriteSupportReport(path, options, &error))
        prompts().message(LangText(30962).arg(path), MsgIcon::Information);
    else
        prompts().message(LangText(30963).arg(error), MsgIcon::Critical);
}
