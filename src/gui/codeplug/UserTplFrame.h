#pragma once
// The frame "  User Defined TPL " (`Frame2`): receive and transmit frequency
// boxes of the three user-defined TPL tones.
#include <QGroupBox>
#include <array>
#include <functional>

#include "channels/UserTplCodec.h"
#include "gui/codeplug/EditorContext.h"

class QLabel;
class QLineEdit;

namespace vantrel {

class UserTplFrame : public QGroupBox {
    Q_OBJECT
public:
    explicit UserTplFrame(EditorContext& ctx, QWidget* parent = nullptr);

    QLineEdit* box(bool tx, int i) const { return (tx ? tx_ : rx_)[static_cast<std::size_t>(i)]; }
    // The first empty box in the order receive TPL1..3, transmit TPL1..3.
    QLineEdit* firstEmpty() const;

    void setLocked(bool locked);

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void commit(bool tx, int i, bool leaving);
    void textChanged(bool tx, int i);
    void focusLost(QLineEdit* box, bool tx, int i);
    bool messagesAllowed() const;

    EditorContext& ctx_;
    std::array<QLineEdit*, 3> rx_{};
    std::array<QLineEdit*, 3> tx_{};
    std::array<QLabel*, 3> labels_{};
};

}  // namespace vantrel
