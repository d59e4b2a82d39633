#pragma once
// The start-up as after the splash's OK, run to its end: what follows the
// window's first paint runs from the event loop, so this waits for it.
#include <QString>
#include <QtCore/qtestsupport_core.h>
#include <gtest/gtest.h>

#include "gui/shell/MDIFormMain.h"

namespace vantrel::test {

inline void StartUp(MDIFormMain& main, const QString& commandLine = {}) {
    main.startUp(commandLine);
    ASSERT_TRUE(QTest::qWaitFor([&] { return main.startedUp(); }, 10000)) << "the start-up did not end";
}

}  // namespace vantrel::test
