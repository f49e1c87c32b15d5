#include "StandInWindow.h"

#include "UiChildWindows.h"

#include <QLabel>
#include <QVBoxLayout>
#include <QWidget>

namespace {
int created = 0;

class StandInWindow : public QWidget {
    Q_OBJECT
public:
    explicit StandInWindow(const QString &name)
    {
        setObjectName(name);
        setWindowTitle(name);
        setProperty("standInValidations", 0);
        auto *layout = new QVBoxLayout(this);
        auto *label = new QLabel(QStringLiteral("(") + name + QStringLiteral(")"), this);
        label->setAlignment(Qt::AlignCenter);
        label->setMinimumSize(360, 220);
        layout->addWidget(label);
    }

public slots:
    void ValidateControls() { setProperty("standInValidations", property("standInValidations").toInt() + 1); }
    void SetEditDisable() {}
};
}

void RegisterStandInWindow(const QString &name)
{
    RegisterWindowFactory(name, [name] {
        ++created;
        return new StandInWindow(name);
    });
}

int StandInWindowsCreated()
{
    return created;
}

int StandInValidations(const QWidget *window)
{
    const QVariant v = window ? window->property("standInValidations") : QVariant();
    return v.isValid() ? v.toInt() : -1;
}

#include "StandInWindow.moc"
