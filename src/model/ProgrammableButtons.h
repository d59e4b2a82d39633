#pragma once
// Programmable buttons 1 and 2: the short-press list and the long-press list
// built for the short-press choice, each choice stored in its byte.
#include "model/ModelPart.h"

namespace vantrel {

class ProgrammableButtons : public ModelPart {
public:
    using ModelPart::ModelPart;

    // The user's choice in a button list (button 0 or 1, list position).
    EditResult ChooseShortPress(int button, int position);
    EditResult ChooseLongPress(int button, int position);

    // The short-press lists, full or without "Hi/Low Power", nothing chosen.
    void buildShortPressLists(bool full);
    // The stored codes chosen in the lists; the short-press bytes are shown,
    // not written back.
    void showButtonCodes();
    // A choice as the editor's start-up and Default make it.
    void selectShort(int button, int position);
    void selectLong(int button, int position);

private:
    enum class ShortByte { Store, Keep };
    void choose(int button, int position, ShortByte shortByte);
    void shortChanged(int button, ShortByte shortByte);
    void longChanged(int button);
};

}  // namespace vantrel
