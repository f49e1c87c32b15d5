#pragma once
// Calls `seen` for every widget of type T the moment it is shown, so that a window that
// opens and closes between two polls of a test (the progress window of a transfer with
// a fast simulated radio) is still seen.
#include <QApplication>
#include <QEvent>
#include <QObject>

#include <functional>

template <typename T>
class ShowWatch : public QObject {
public:
    explicit ShowWatch(std::function<void(T *)> seen) : seen_(std::move(seen)) { qApp->installEventFilter(this); }
    ~ShowWatch() override { qApp->removeEventFilter(this); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show) {
            if (auto *widget = qobject_cast<T *>(watched))
                seen_(widget);
        }
        return false;
    }

private:
    std::function<void(T *)> seen_;
};
