#pragma once
#include <QWidget>
#include <functional>

class QLabel;
class QTimer;

// The start-up picture of the current language. After 2 seconds, or a click on the
// picture, it hands over to the main window and closes.
class frmSplash : public QWidget {
    Q_OBJECT
public:
    static constexpr int kDelayMs = 2000;

    // onEnd opens the main window; it runs once.
    explicit frmSplash(std::function<void()> onEnd, QWidget *parent = nullptr);
    bool hasPicture() const { return hasPicture_; }
    QTimer *timer1() const { return timer1_; }

public slots:
    void Timer1_Timer();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void end();

    std::function<void()> onEnd_;
    QLabel *picLogo_ = nullptr;
    QTimer *timer1_ = nullptr;
    bool hasPicture_ = false;
    bool ended_ = false;
};

// The splash picture's file for a language, empty for a language without one.
QString SplashPicturePath(int languageId);
