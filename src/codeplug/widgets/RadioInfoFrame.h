#pragma once
// The frame "Radio Information": the read-only identity labels and the
// factory fields (serial number, regional super number, password).
#include <QGroupBox>
#include <functional>
#include <optional>
#include <string>

#include "codeplug/widgets/EditorContext.h"

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
    QLabel* modelLabel() const { return lblModel_; }
    QLabel* rangeLabel() const { return lblRange_; }
    QLabel* firmwareLabel() const { return lblVersion_; }
    QLabel* codeplugLabel() const { return lblCodeplug_; }

    void ShowSerialNumber();
    void ShowSuperNumber();

    void setLocked(bool locked);

    // The super-number table: the ModelIndex of the first row equal to the
    // text, if any. Set by the editor form.
    std::function<std::optional<int>(const std::string&)> superNumberRow =
        [](const std::string&) { return std::nullopt; };
    // Loads the default data file of a super-number row (LoadDefaultCodeplug).
    std::function<void(const std::string& superNumber)> loadDefaultCodeplug =
        [](const std::string&) {};

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
    bool clearingPassword_ = false;
};

}  // namespace vantrel
