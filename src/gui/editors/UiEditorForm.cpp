#include "UiEditorForm.h"

#include "RunSettings.h"
#include "UiKeyRules.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTimer>

namespace {
class SelectAllFilter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::FocusIn) {
            // After the mouse press that gave the focus has placed the cursor.
            if (auto *box = qobject_cast<QLineEdit *>(watched))
                QTimer::singleShot(0, box, [box] { box->selectAll(); });
        }
        return false;
    }
};

// Runs an action when the watched control gets or loses the focus.
class FocusFilter : public QObject {
public:
    FocusFilter(QObject *parent, QEvent::Type type, std::function<void()> action)
        : QObject(parent), type_(type), action_(std::move(action)) {}

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == type_)
            action_();
        return false;
    }

private:
    QEvent::Type type_;
    std::function<void()> action_;
};
}

void CloseEditorForm(QWidget *form)
{
    if (auto *frame = qobject_cast<QMdiSubWindow *>(form->parentWidget()))
        frame->close();
    else
        form->close();
}

QComboBox *MakeSelector(QWidget *parent, const QString &name)
{
    auto *list = new QComboBox(parent);
    list->setObjectName(name);
    list->setMaxVisibleItems(20);
    KeyRules::install(list, KeyRules::EnterOnly);
    return list;
}

QLabel *MakeLabel(QWidget *parent, const QString &name)
{
    auto *label = new QLabel(parent);
    label->setObjectName(name);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

void SelectAllOnFocus(QLineEdit *box)
{
    box->installEventFilter(new SelectAllFilter(box));
}

QHBoxLayout *MakeCloseHelpRow(QWidget *form)
{
    auto *row = new QHBoxLayout;
    row->addStretch();
    auto *close = new QPushButton(form);
    close->setObjectName(QStringLiteral("CommandClose"));
    close->setMinimumWidth(90);
    QObject::connect(close, &QPushButton::clicked, form, [form] { CloseEditorForm(form); });
    auto *help = new QPushButton(form);
    help->setObjectName(QStringLiteral("CommandHelp"));
    help->setVisible(Run().HelpEnabled);
    row->addWidget(close);
    row->addWidget(help);
    return row;
}

void OnFocusOut(QWidget *control, std::function<void()> action)
{
    control->installEventFilter(new FocusFilter(control, QEvent::FocusOut, std::move(action)));
}

void OnFocusIn(QWidget *control, std::function<void()> action)
{
    control->installEventFilter(new FocusFilter(control, QEvent::FocusIn, std::move(action)));
}

QGridLayout *MakeRowsGrid(const QList<CaptionRow> &rows, int columns)
{
    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(7);   // a caption ends about 100 twips before its control
    const int perColumn = (int(rows.size()) + columns - 1) / qMax(1, columns);
    for (int i = 0; i < rows.size(); ++i) {
        const int col = perColumn ? i / perColumn : 0;
        const int row = perColumn ? i % perColumn : i;
        if (rows[i].first)
            grid->addWidget(rows[i].first, row, col * 3);
        grid->addWidget(rows[i].second, row, col * 3 + 1);
    }
    for (int col = 1; col < columns; ++col)
        grid->setColumnMinimumWidth(col * 3 - 1, 18);   // gap between the column pairs
    for (int col = 0; col < columns; ++col)
        grid->setColumnStretch(col * 3 + 1, 1);
    return grid;
}
