#include "gui/codeplug/ButtonFrame.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QSignalBlocker>

#include "codeplug/ButtonFunctions.h"
#include "gui/common/CoreTexts.h"
#include "gui/common/Twips.h"

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
};

const std::array<ButtonNames, 2> kButtons = {{
    {"Label2", QT_TRANSLATE_NOOP("vantrel::ButtonFrame", "Programmable Button 1 Short Press"), "Label3",
     QT_TRANSLATE_NOOP("vantrel::ButtonFrame", "Programmable Button 1 Long Press"),
     "cmbButton_S1", "cmbButton_L1"},
    {"Label4", QT_TRANSLATE_NOOP("vantrel::ButtonFrame", "Programmable Button 2 Short Press"), "Label5",
     QT_TRANSLATE_NOOP("vantrel::ButtonFrame", "Programmable Button 2 Long Press"),
     "cmbButton_S2", "cmbButton_L2"},
}};

QStringList toQt(const std::vector<std::string>& v) {
    QStringList out;
    for (const auto& s : v) out << TrCoreText(s);
    return out;
}

QStringList items(const QComboBox* list) {
    QStringList out;
    for (int i = 0; i < list->count(); ++i) out << list->itemText(i);
    return out;
}

}  // namespace

ButtonFrame::ButtonFrame(EditorContext& ctx, QWidget* parent)
    : QGroupBox(tr("Programmable Button"), parent), ctx_(ctx) {
    setObjectName("Frame3");
    auto* grid = new QGridLayout(this);
    for (int b = 0; b < 2; ++b) {
        const ButtonNames& n = kButtons[static_cast<std::size_t>(b)];
        Button& btn = buttons_[static_cast<std::size_t>(b)];
        btn.shortLabel = new QLabel(tr(n.shortCaption), this);
        btn.shortLabel->setObjectName(n.shortLabel);
        btn.longLabel = new QLabel(tr(n.longCaption), this);
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
        grid->addWidget(btn.shortLabel, b * 4, 0);
        grid->addWidget(btn.shortList, b * 4 + 1, 0);
        grid->addWidget(btn.longLabel, b * 4 + 2, 0);
        grid->addWidget(btn.longList, b * 4 + 3, 0);
        // `activated` is the user's choice: the model stores it and the lists
        // show what it then holds.
        connect(btn.shortList, &QComboBox::activated, this, [this, b](int position) {
            ctx_.forward([b, position](EditingModel& m) { return m.ChooseShortPress(b, position); },
                         Gesture(Section::Buttons));
        });
        connect(btn.longList, &QComboBox::activated, this, [this, b](int position) {
            ctx_.forward([b, position](EditingModel& m) { return m.ChooseLongPress(b, position); },
                         Gesture(Section::Buttons));
        });
    }
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

void ButtonFrame::setLocked(bool locked) {
    for (Button& btn : buttons_)
        for (QWidget* w : std::initializer_list<QWidget*>{btn.shortLabel, btn.longLabel,
                                                          btn.shortList, btn.longList})
            w->setEnabled(!locked);
}

}  // namespace vantrel
