#include "codeplug/widgets/ButtonFrame.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QSignalBlocker>

#include "codeplug/ButtonFunctions.h"
#include "codeplug/widgets/Twips.h"

namespace vantrel {

namespace bm = bytemap;

namespace {

struct ButtonNames {
    const char* shortLabel;
    const char* shortCaption;
    const char* longLabel;
    const char* longCaption;
    const char* shortList;
    const char* longList;
    std::size_t shortByte;
    std::size_t longByte;
};

const std::array<ButtonNames, 2> kButtons = {{
    {"Label2", "Programmable Button 1 Short Press", "Label3", "Programmable Button 1 Long Press",
     "cmbButton_S1", "cmbButton_L1", bm::ButtonCodeS1, bm::ButtonCodeL1},
    {"Label4", "Programmable Button 2 Short Press", "Label5", "Programmable Button 2 Long Press",
     "cmbButton_S2", "cmbButton_L2", bm::ButtonCodeS2, bm::ButtonCodeL2},
}};

QStringList toQt(const std::vector<std::string>& v) {
    QStringList out;
    for (const auto& s : v) out << QString::fromStdString(s);
    return out;
}

QStringList items(const QComboBox* list) {
    QStringList out;
    for (int i = 0; i < list->count(); ++i) out << list->itemText(i);
    return out;
}

}  // namespace

ButtonFrame::ButtonFrame(EditorContext& ctx, QWidget* parent)
    : QGroupBox("Programmable Button", parent), ctx_(ctx) {
    setObjectName("Frame3");
    auto* grid = new QGridLayout(this);
    for (int b = 0; b < 2; ++b) {
        const ButtonNames& n = kButtons[static_cast<std::size_t>(b)];
        Button& btn = buttons_[static_cast<std::size_t>(b)];
        btn.shortLabel = new QLabel(n.shortCaption, this);
        btn.shortLabel->setObjectName(n.shortLabel);
        btn.longLabel = new QLabel(n.longCaption, this);
        btn.longLabel->setObjectName(n.longLabel);
        btn.shortLabel->setWordWrap(true);
        btn.longLabel->setWordWrap(true);
        btn.shortList = new QComboBox(this);
        btn.shortList->setObjectName(n.shortList);
        btn.shortList->addItems(toQt(buttons::initialShortPressTexts()));
        btn.shortList->setCurrentIndex(-1);
        btn.longList = new QComboBox(this);
        btn.longList->setObjectName(n.longList);
        btn.shortList->setMinimumWidth(twips(2400));
        btn.longList->setMinimumWidth(twips(2400));
        btn.shortByte = n.shortByte;
        btn.longByte = n.longByte;
        grid->addWidget(btn.shortLabel, b * 4, 0);
        grid->addWidget(btn.shortList, b * 4 + 1, 0);
        grid->addWidget(btn.longLabel, b * 4 + 2, 0);
        grid->addWidget(btn.longList, b * 4 + 3, 0);
        // `activated` is the user's choice; the program selects through selectShort/Long.
        connect(btn.shortList, &QComboBox::activated, this, [this, b] { shortClicked(b); });
        connect(btn.longList, &QComboBox::activated, this, [this, b] { longClicked(b); });
    }
}

void ButtonFrame::selectShort(int button, int position) {
    QComboBox* list = buttons_[static_cast<std::size_t>(button)].shortList;
    {
        QSignalBlocker block(list);
        list->setCurrentIndex(position);
    }
    shortClicked(button);
}

void ButtonFrame::selectLong(int button, int position) {
    QComboBox* list = buttons_[static_cast<std::size_t>(button)].longList;
    {
        QSignalBlocker block(list);
        list->setCurrentIndex(position);
    }
    longClicked(button);
}

void ButtonFrame::shortClicked(int button) {
    Button& btn = buttons_[static_cast<std::size_t>(button)];
    auto& state = ctx_.state;
    const int p = btn.shortList->currentIndex();
    if (p < 0) {
        // No short-press function: the long-press list keeps its entries but
        // selects nothing and stores nothing.
        QSignalBlocker block(btn.longList);
        btn.longList->setCurrentIndex(-1);
        btn.p = -1;
        return;
    }
    if (p + 1 != state.image.byte(btn.shortByte)) state.dataChanged = true;
    btn.p = p;
    const auto list = buttons::longPressList(p, state.image.byte(bm::RadioType));
    {
        QSignalBlocker block(btn.longList);
        btn.longList->clear();
        btn.longList->addItems(toQt(list.entries));
        btn.longList->setCurrentIndex(-1);
    }
    int select = list.defaultPosition;
    if (state.loadingImage) {
        select = -1;
        const int stored = state.image.byte(btn.longByte);
        for (std::size_t i = 0; i < list.codes.size(); ++i)
            if (list.codes[i] == stored) {
                select = static_cast<int>(i);
                break;
            }
    }
    selectLong(button, select);
    if (!suppressButtonWrite) state.image.setByte(btn.shortByte, static_cast<std::uint8_t>(p + 1));
}

void ButtonFrame::longClicked(int button) {
    Button& btn = buttons_[static_cast<std::size_t>(button)];
    auto& state = ctx_.state;
    const int pos = btn.longList->currentIndex();
    const auto codes = buttons::longPressList(btn.p, state.image.byte(bm::RadioType)).codes;
    if (pos < 0 || pos >= static_cast<int>(codes.size())) return;
    const int code = codes[static_cast<std::size_t>(pos)];
    if (code != state.image.byte(btn.longByte)) state.dataChanged = true;
    state.image.setByte(btn.longByte, static_cast<std::uint8_t>(code));
}

void ButtonFrame::showButton(int button, const std::vector<std::string>& shortTexts, int shortPosition, int basis,
                             int longPosition) {
    Button& btn = buttons_[static_cast<std::size_t>(button)];
    const QSignalBlocker blockShort(btn.shortList);
    const QSignalBlocker blockLong(btn.longList);
    const QStringList shortItems = toQt(shortTexts);
    if (items(btn.shortList) != shortItems) {
        btn.shortList->clear();
        btn.shortList->addItems(shortItems);
    }
    if (btn.shortList->currentIndex() != shortPosition) btn.shortList->setCurrentIndex(shortPosition);
    if (basis >= 0) {
        const QStringList longItems =
            toQt(buttons::longPressList(basis, ctx_.state.image.byte(bm::RadioType)).entries);
        if (items(btn.longList) != longItems) {
            btn.longList->clear();
            btn.longList->addItems(longItems);
        }
    }
    btn.p = basis;
    if (btn.longList->currentIndex() != longPosition) btn.longList->setCurrentIndex(longPosition);
}

void ButtonFrame::BuildShortPressLists(bool withPowerSwitch) {
    const QStringList texts = toQt(buttons::shortPressTexts(withPowerSwitch));
    for (Button& btn : buttons_) {
        QSignalBlocker block(btn.shortList);
        btn.shortList->clear();
        btn.shortList->addItems(texts);
        btn.shortList->setCurrentIndex(-1);
    }
}

void ButtonFrame::clearShortSelections() {
    for (Button& btn : buttons_) {
        QSignalBlocker block(btn.shortList);
        btn.shortList->setCurrentIndex(-1);
    }
}

void ButtonFrame::ShowButtonCodes() {
    for (int b = 0; b < 2; ++b)
        selectShort(b, ctx_.state.image.byte(buttons_[static_cast<std::size_t>(b)].shortByte) - 1);
}

void ButtonFrame::setLocked(bool locked) {
    for (Button& btn : buttons_)
        for (QWidget* w : std::initializer_list<QWidget*>{btn.shortLabel, btn.longLabel,
                                                          btn.shortList, btn.longList})
            w->setEnabled(!locked);
}

}  // namespace vantrel
