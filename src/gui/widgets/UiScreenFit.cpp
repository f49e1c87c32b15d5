#include "UiScreenFit.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QEvent>
#include <QScreen>
#include <QWidget>

namespace {
// Moves [start, start+length) into [lo, lo+span), shrinking it when it is longer.
void fitSpan(int &start, int &length, int lo, int span, int minimum)
{
    if (length > span)
        length = qMax(span, minimum);
    start = qBound(lo, start, qMax(lo, lo + span - length));
}

// Fits a shown top-level window, frame and title bar included, into the available area
// of `screen`.
void fitFrameInto(QWidget *window, const QScreen *screen)
{
    if (!screen)
        return;
    const QRect frame = window->frameGeometry();
    const QRect inner = window->geometry();
    const QMargins margins(inner.left() - frame.left(), inner.top() - frame.top(), frame.right() - inner.right(),
                           frame.bottom() - inner.bottom());
    const QRect fitted = FitRectInto(frame, screen->availableGeometry(), QSize(1, 1));
    if (fitted == frame)
        return;
    if (fitted.size() != frame.size())
        window->resize(fitted.size().shrunkBy(margins));
    window->move(fitted.topLeft());
}

// Watches one window (fitted to its own screen whenever it shows), or, without one,
// every dialog (fitted to the screen of the window it belongs to).
class ScreenKeeper : public QObject {
public:
    explicit ScreenKeeper(QObject *parent, QWidget *window = nullptr)
        : QObject(parent), window_(window) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        const QEvent::Type type = event->type();
        if (type != QEvent::Show && type != QEvent::Move && type != QEvent::Resize)
            return false;
        if (window_) {
            if (watched != window_)
                return false;
            if (event->type() == QEvent::Show) {
                sinceShown_.start();
                fitFrameInto(window_, window_->screen());
            } else if (sinceShown_.isValid() && sinceShown_.elapsed() < kSettleMs) {
                // A window manager adds its frame (title bar, borders) and places it
                // only after the window has shown: fit again once the frame is known.
                fitFrameInto(window_, window_->screen());
            }
            return false;
        }
        if (event->type() != QEvent::Show)
            return false;
        auto *dialog = qobject_cast<QDialog *>(watched);
        if (dialog && dialog->isWindow()) {
            const QWidget *owner = dialog->parentWidget() ? dialog->parentWidget()->window() : nullptr;
            fitFrameInto(dialog, owner ? owner->screen() : dialog->screen());
        }
        return false;
    }

private:
    static constexpr int kSettleMs = 3000;   // how long a window manager may take to frame it
    QWidget *window_;
    QElapsedTimer sinceShown_;
};
}

QRect FitRectInto(QRect r, const QRect &area, const QSize &minimum)
{
    if (area.isEmpty())
        return r;
    int x = r.x(), y = r.y(), w = r.width(), h = r.height();
    fitSpan(x, w, area.x(), area.width(), minimum.width());
    fitSpan(y, h, area.y(), area.height(), minimum.height());
    return QRect(x, y, w, h);
}

QRect AvailableAreaFor(const QRect &r)
{
    const QScreen *screen = QGuiApplication::screenAt(r.center());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

void KeepDialogsOnScreen(QApplication *app)
{
    app->installEventFilter(new ScreenKeeper(app));
}

void KeepWindowOnScreen(QWidget *window)
{
    window->installEventFilter(new ScreenKeeper(window, window));
}
