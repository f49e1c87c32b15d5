#include "UiChildWindows.h"

#include <QApplication>
#include <QHash>
#include <QMdiArea>
#include <QMdiSubWindow>
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
    QWidget *w = factory();
    if (!w)
        return nullptr;
    w->setObjectName(name);
    w->setAttribute(Qt::WA_DeleteOnClose);
    if (area()) {
        QMdiSubWindow *sub = area()->addSubWindow(w);
        sub->setAttribute(Qt::WA_DeleteOnClose);
        sub->setWindowIcon(QIcon());
        w->show();
        sub->show();
        area()->cascadeSubWindows();
        area()->setActiveSubWindow(sub);
    } else {
        w->show();
    }
    return w;
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
