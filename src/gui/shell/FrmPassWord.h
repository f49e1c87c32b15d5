#pragma once
#include <QDialog>
#include <optional>

class QLabel;
class QLineEdit;

// The programming password: up to 4 characters, shown masked. OK hands back the text
// without trailing blanks; Cancel leaves the caller's password unchanged.
class FrmPassWord : public QDialog {
    Q_OBJECT
public:
    static constexpr int kMaxLength = 4;

    explicit FrmPassWord(const QString &current, QWidget *parent = nullptr);
    // The entered text as confirmed with OK (trailing blanks dropped, cut at a NUL).
    QString enteredPassword() const;

    // Shows the dialog modally with `current` filled in; the confirmed text, or nothing
    // for Cancel.
    static std::optional<QString> Ask(QWidget *parent, const QString &current);

private:
    QLabel *label1_ = nullptr;
    QLineEdit *text1_ = nullptr;
};
