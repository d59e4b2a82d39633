#include <QLineEdit>
#include <QTabWidget>
#include <gtest/gtest.h>

#include "gui/codeplug/EditorFixture.h"
#include "gui/codeplug/Input.h"
#include "gui/codeplug/UserTplFrame.h"

namespace vantrel::test {
namespace {

namespace bm = bytemap;

struct UserTplTest : ::testing::Test {
    EditorFixture f;
    void SetUp() override {
        f.startUp();
        f.load(sampleImage());
        f.prompts.clear();
    }
    QLineEdit* rx(int i) { return f.editor().userTpl()->box(false, i); }
    QLineEdit* tx(int i) { return f.editor().userTpl()->box(true, i); }
};

TEST_F(UserTplTest, TypingRefusesAllButDigitsAndThePoint) {
    QLineEdit* box = rx(0);
    box->clear();
    type(box, "1a2.5");
    EXPECT_EQ(box->text(), "12.5");
    EXPECT_EQ(f.prompts.texts(), QStringList{"Invalid Frequency"});
    key(box, Qt::Key_Backspace, QString(QChar(8)));
    box->setCursorPosition(0);
    key(box, Qt::Key_Delete, QString(QChar(0x7f)));
    EXPECT_EQ(box->text(), "2.");
    EXPECT_EQ(f.prompts.messages.size(), 1u);
    EXPECT_TRUE(f.state.dataChanged);
}

TEST_F(UserTplTest, TextsThatAreNoFrequencyAreEmptied) {
    for (const char* text : {"300", "0000", "1.2.3"}) {
        f.prompts.clear();
        rx(1)->setText(text);
        EXPECT_EQ(f.prompts.texts(), QStringList{"Invalid Frequency"}) << text;
        EXPECT_TRUE(rx(1)->text().isEmpty()) << text;
    }
    f.prompts.clear();
    for (const char* text : {"255", "000", "67.", ".5"}) rx(1)->setText(text);
    EXPECT_TRUE(f.prompts.messages.empty());
}

TEST_F(UserTplTest, EnterEncodesTheFrequency) {
    rx(0)->setText("67");
    enter(rx(0));
    EXPECT_EQ(rx(0)->text(), "67.0");
    EXPECT_EQ(f.image().word(bm::UserTplWords), 670);
    EXPECT_EQ(f.image().word(bm::UserTplParams), 847);
    EXPECT_EQ(f.image().word(bm::UserTplRxCounts), 1146);
    tx(2)->setText("77");
    enter(tx(2));
    EXPECT_EQ(f.image().word(bm::UserTplWords + 10), 770);
    EXPECT_TRUE(f.prompts.messages.empty());
}

TEST_F(UserTplTest, EnterOnAnOutOfRangeFrequencyEmptiesTheBox) {
    f.editor().tabs()->setCurrentIndex(1);
    const std::uint16_t before = f.image().word(bm::UserTplWords + 2);
    rx(1)->setText("66.9");
    enter(rx(1));
    EXPECT_EQ(f.prompts.texts(), QStringList{"Invalid Frequency"});
    EXPECT_TRUE(rx(1)->text().isEmpty());
    EXPECT_EQ(f.image().word(bm::UserTplWords + 2), before);
    EXPECT_EQ(f.editor().tabs()->currentIndex(), 0);
    // "0" to "000" are left alone by Enter.
    f.prompts.clear();
    rx(1)->setText("000");
    enter(rx(1));
    EXPECT_EQ(rx(1)->text(), "000");
    EXPECT_TRUE(f.prompts.messages.empty());
}

TEST_F(UserTplTest, LeavingABox) {
    tx(0)->setText("100");
    focusOut(tx(0));
    EXPECT_EQ(tx(0)->text(), "100.0");
    EXPECT_EQ(f.image().word(bm::UserTplWords + 6), 1000);
    EXPECT_TRUE(f.prompts.messages.empty());

    tx(0)->clear();
    focusOut(tx(0), Qt::ActiveWindowFocusReason);   // another application came up
    EXPECT_TRUE(f.prompts.messages.empty());
    focusOut(tx(0));
    EXPECT_EQ(f.prompts.texts(), QStringList{"Invalid Frequency"});
    // While a read is pending the focus just returns, silently.
    f.prompts.clear();
    f.state.readPending = true;
    focusOut(tx(0));
    EXPECT_TRUE(f.prompts.messages.empty());
}

TEST_F(UserTplTest, FocusColours) {
    focusIn(rx(2));
    EXPECT_EQ(rx(2)->palette().color(QPalette::Base), QColor(255, 255, 192));
    focusOut(rx(2));
    EXPECT_EQ(rx(2)->palette().color(QPalette::Base), QApplication::palette().color(QPalette::Base));
}

TEST_F(UserTplTest, PopulationShowsTheStoredFrequencies) {
    CodeplugImage img = sampleImage();
    img.setWord(bm::UserTplWords + 2, 1035);
    img.setWord(bm::UserTplWords + 6, 0);
    rx(1)->setText("88.0");
    tx(0)->setText("99.0");
    f.load(img);
    EXPECT_EQ(rx(1)->text(), "103.5");
    EXPECT_EQ(tx(0)->text(), "99.0");   // a zero word keeps the box
}

}  // namespace
}  // namespace vantrel::test
