#pragma once
// The layout both password prompts share: caption "Password", the two labels
// `Label1` and `lblPassWord`, the masked box `txtPassword` (at most 8
// characters, one "*" per character) and the buttons `cmdPassOk` (default)
// and `cmdPassCancel`. Both prompts are modeless windows in front of the main
// window, made modal in effect by disabling the window behind them.
#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;

namespace vantrel {

class PasswordForm : public QWidget {
    Q_OBJECT
public:
    PasswordForm(const QString& objectName, QWidget* owner);

    QLabel* label1() const { return label1_; }
    QLabel* lblPassWord() const { return lblPassWord_; }
    QLineEdit* txtPassword() const { return txtPassword_; }
    QPushButton* cmdPassOk() const { return cmdPassOk_; }
    QPushButton* cmdPassCancel() const { return cmdPassCancel_; }

    // Shows the prompt with its opening texts and the focus in the box.
    void open();
    // Closes the prompt; its unload runs once per opening.
    void unload();

protected:
    virtual void okClicked() = 0;
    virtual void cancelClicked() = 0;
    // What closing the prompt does, whichever way it is closed.
    virtual void onUnload() = 0;

    void showInvalidTexts();
    void closeEvent(QCloseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    QLabel* label1_;
    QLabel* lblPassWord_;
    QLineEdit* txtPassword_;
    QPushButton* cmdPassOk_;
    QPushButton* cmdPassCancel_;
    QWidget* owner_;
    bool unloading_ = false;
};

}  // namespace vantrel
