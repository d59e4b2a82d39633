#pragma once
// The frame "Programmable Button" (`Frame3`): a short-press and a long-press
// list for each of the two buttons.
#include <QGroupBox>
#include <array>
#include <string>
#include <vector>

#include "gui/codeplug/EditorContext.h"

class QComboBox;
class QLabel;

namespace vantrel {

class ButtonFrame : public QGroupBox {
    Q_OBJECT
public:
    ButtonFrame(EditorContext& ctx, QWidget* parent = nullptr);

    QComboBox* shortList(int button) const { return buttons_[button].shortList; }
    QComboBox* longList(int button) const { return buttons_[button].longList; }

    // The short-press position the long-press list was built for (-1: none).
    int longBasis(int button) const { return buttons_[static_cast<std::size_t>(button)].p; }
    // Shows a button's lists as given, nothing stored (an undo shows them):
    // the short-press entries and selection, the long-press list built for
    // basis and its selection.
    void showButton(int button, const std::vector<std::string>& shortTexts, int shortPosition, int basis,
                    int longPosition);

    void setLocked(bool locked);

private:
    struct Button {
        QLabel* shortLabel;
        QLabel* longLabel;
        QComboBox* shortList;
        QComboBox* longList;
        int p = -1;   // short-press position the long-press list was built for
    };

    EditorContext& ctx_;
    std::array<Button, 2> buttons_;
};

}  // namespace vantrel
