#pragma once
// The frame "Radio Information": the read-only identity labels and the
// factory fields (serial number, regional super number, password).
#include <QGroupBox>
#include <functional>
#include <optional>
#include <string>

#include "gui/codeplug/EditorContext.h"

class QCheckBox;
class QLabel;
class QLineEdit;

namespace vantrel {

class RadioInfoFrame : public QGroupBox {
    Q_OBJECT
public:
    explicit RadioInfoFrame(EditorContext& ctx, QWidget* parent = nullptr);

    QLineEdit* serialBox() const { return txtSerial_; }
    QLineEdit* superBox() const { return txtSuper_; }
    QLineEdit* passwordBox() const { return txtPassword_; }
    QCheckBox* popBox() const { return chkPOP_; }
    QLabel* modelLabel() const { return lblModel_; }
    QLabel* rangeLabel() const { return lblRange_; }
    QLabel* firmwareLabel() const { return lblVersion_; }
    QLabel* codeplugLabel() const { return lblCodeplug_; }


    void setLocked(bool locked);

    // The super-number entry with its question (frmMain::EnterSuperNumber).
    std::function<void(const std::string& typed, const std::function<bool()>& confirm)> enterSuperNumber =
        [](const std::string&, const std::function<bool()>&) {};

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void serialEntered();
    void superEntered();
    void passwordChanged();
    void markPending(QLabel* label);
    void restoreCaption(QLabel* label, const char* caption);

    EditorContext& ctx_;
    QLabel* lblModel_;
    QLabel* lblRange_;
    QLabel* lblVersion_;
    QLabel* lblCodeplug_;
    QLabel* lblSerial_;
    QLabel* lblSuper_;
    QLineEdit* txtSerial_;
    QLineEdit* txtSuper_;
    QLineEdit* txtPassword_;
    QCheckBox* chkPOP_;
};

}  // namespace vantrel
