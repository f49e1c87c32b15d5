#include "UiChildWindows.h"

#include "UiShownCorrections.h"

#include <QAction>
#include <QApplication>
#include <QHash>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPointer>
#include <QWidget>

namespace {
QHash<QString, WindowFactory> &factories()
{
    static QHash<QString, WindowFactory> map;
    return map;
}

QPointer<QMdiArea> &area()
{
    static QPointer<QMdiArea> a;
    return a;
}

QWidget *windowOf(QMdiSubWindow *sub)
{
    return sub ? sub->widget() : nullptr;
}
}

void RegisterWindowFactory(const QString &name, WindowFactory factory)
{
    factories().insert(name, std::move(factory));
}

bool HasWindowFactory(const QString &name)
{
    return factories().contains(name);
}

void SetMdiArea(QMdiArea *a)
{
    area() = a;
    if (!a || a->findChild<QAction *>(QStringLiteral("actCloseChildWindow")))
        return;
    // The one owner of the key that closes the active child window: each child window's
    // own menu would otherwise answer it too, and Qt ignores a key with several owners.
    auto *close = new QAction(a);
    close->setObjectName(QStringLiteral("actCloseChildWindow"));
    close->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F4));
    close->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    QObject::connect(close, &QAction::triggered, a, &QMdiArea::closeActiveSubWindow);
    a->addAction(close);
}

QMdiArea *MdiArea()
{
    return area();
}

QList<QWidget *> LoadedWindows(const QString &name)
{
    QList<QWidget *> found;
    if (area()) {
        for (QMdiSubWindow *sub : area()->subWindowList()) {
            QWidget *w = windowOf(sub);
            if (w && w->objectName() == name)
                found << w;
        }
    }
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (w->objectName() == name && !found.contains(w) && !qobject_cast<QMdiSubWindow *>(w))
            found << w;
    }
    return found;
}

QWidget *LoadedWindow(const QString &name)
{
    const QList<QWidget *> list = LoadedWindows(name);
    return list.isEmpty() ? nullptr : list.first();
}

QWidget *ShowChild(const QString &name)
{
    if (QWidget *w = LoadedWindow(name)) {
        if (auto *sub = qobject_cast<QMdiSubWindow *>(w->parentWidget()); sub && area())
            area()->setActiveSubWindow(sub);
        w->activateWindow();
        w->setFocus();
        return w;
    }
    const auto factory = factories().value(name);
    if (!factory)
        return nullptr;
    const ShownCorrections corrections;
    QWidget *w = factory();
    if (!w)
        return nullptr;
    w->setObjectName(name);
    w->setAttribute(Qt::WA_DeleteOnClose);
    if (area()) {
        QMdiSubWindow *sub = area()->addSubWindow(w);
        sub->setAttribute(Qt::WA_DeleteOnClose);
        // Its window menu keeps its entries without keys: Ctrl+W belongs to the write
        // command, Ctrl+F4 to the client area (SetMdiArea).
        if (QMenu *menu = sub->systemMenu()) {
            for (QAction *entry : menu->actions())
                entry->setShortcuts({});
        }
        sub->setWindowIcon(QApplication::windowIcon());
        w->show();
        sub->show();
        CascadeChildWindows();
        area()->setActiveSubWindow(sub);
    } else {
        w->show();
    }
    corrections.settle(w);
    return w;
}

// QMdiArea's own cascade shrinks every window to its minimum size; this one keeps the
// size each window asks for, so no window opens cramped.
void CascadeChildWindows()
{
    if (!area())
        return;
    const QList<QMdiSubWindow *> subs = area()->subWindowList(QMdiArea::CreationOrder);
    const QSize room = area()->viewport()->size();
    int offset = 0;
    for (QMdiSubWindow *sub : subs) {
        if (sub->isMinimized() || sub->isMaximized() || !sub->isVisible())
            continue;
        QWidget *w = sub->widget();
        const QSize frame = w ? (sub->size() - w->size()).expandedTo(QSize(8, 30)) : QSize();
        QSize wanted = w && w->sizeHint().isValid() ? w->sizeHint() + frame : sub->size();
        wanted = wanted.expandedTo(sub->minimumSizeHint());
        if (room.width() > 0 && room.height() > 0)
            wanted = wanted.boundedTo(room);
        const int step = frame.height() > 0 ? frame.height() - 4 : 24;
        if (offset + wanted.height() > room.height() || offset + wanted.width() > room.width())
            offset = 0;
        sub->setGeometry(QRect(QPoint(offset, offset), wanted));
        sub->raise();
        offset += step;
    }
}

void CloseChildFrame(QWidget *window)
{
    if (auto *frame = qobject_cast<QMdiSubWindow *>(window->parentWidget()))
        frame->close();
    else
        window->close();
}

void UnloadByName(const QString &name)
{
    for (QWidget *w : LoadedWindows(name)) {
        if (auto *sub = qobject_cast<QMdiSubWindow *>(w->parentWidget())) {
            sub->close();
            delete sub;
        } else {
            w->close();
            delete w;
        }
    }
}

void CloseAllChildWindows()
{
    if (!area())
        return;
    for (QMdiSubWindow *sub : area()->subWindowList()) {
        sub->close();
        delete sub;
    }
}

void CallOnLoaded(const QString &name, const char *method)
{
    for (QWidget *w : LoadedWindows(name))
        QMetaObject::invokeMethod(w, method, Qt::DirectConnection);
}
