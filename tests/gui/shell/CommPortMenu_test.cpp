#include <gtest/gtest.h>

#include <QAction>
#include <QString>

#include "gui/shell/CommPortMenu.h"

using namespace vantrel;

TEST(CommPortMenu, ChoosingAPortCommitsTheEditChecksItAndReopensThePort) {
    std::array<QAction*, 8> items;
    std::vector<QAction> owned(8);
    for (int i = 0; i < 8; ++i) items[i] = &owned[i];
    QString calls;
    CommPortMenu menu(items, [&] { calls += "commit "; },
                      [&] { calls += QString("open%1 ").arg(menu.selectedPort()); });
    menu.select(1);
    EXPECT_EQ(menu.selectedPort(), 1);

    items[4]->trigger();
    EXPECT_EQ(calls, "commit open5 ");
    for (int i = 0; i < 8; ++i) EXPECT_EQ(items[i]->isChecked(), i == 4) << i;

    // No item checked counts as Com8.
    items[4]->setChecked(false);
    EXPECT_EQ(menu.selectedPort(), 8);
}
