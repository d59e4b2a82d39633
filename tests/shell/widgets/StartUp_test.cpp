#include <QAction>
#include <QLineEdit>
#include <gtest/gtest.h>

#include "codeplug/ByteMap.h"
#include "codeplug/widgets/EditorFixture.h"

namespace vantrel::test {
namespace {

namespace bm = bytemap;

TEST(StartUp, EmptyCommandLineLeavesTheEditorLoadState) {
    EditorFixture f;
    f.startUp();
    const auto& img = f.image();
    EXPECT_EQ(img.byte(bm::ChannelCount), 0);
    EXPECT_EQ(img.byte(bm::EditorMarker), 0xA5);
    EXPECT_EQ(img.byte(bm::RadioType), 15);
    EXPECT_EQ(img.byte(bm::PrioScanChNo), 1);
    EXPECT_EQ(img.byte(240), 3);
    EXPECT_EQ(img.byte(241), 8);
    EXPECT_EQ(img.byte(242), 1);
    EXPECT_EQ(img.byte(243), 8);
    EXPECT_FALSE(f.editor().editorVisible());
    for (const char* name : {"mnuFileSave", "mnuFilePrintPreview", "mnuFilePrint", "mnuDefault", "mnuWrite"})
        EXPECT_FALSE(f.main->menuAction(name)->isEnabled()) << name;
    for (int p : {2, 4, 6, 7}) EXPECT_FALSE(f.main->toolbarButton(p)->isEnabled()) << p;
    EXPECT_TRUE(f.main->menuAction("mnuFileOpen")->isEnabled());
    EXPECT_TRUE(f.prompts.messages.empty());
}

}  // namespace
}  // namespace vantrel::test
