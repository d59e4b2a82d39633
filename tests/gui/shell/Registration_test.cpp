#include <gtest/gtest.h>

#include <QCoreApplication>

#include "gui/shell/ShellFixture.h"

namespace vantrel::test {
namespace {

// Start-up registers the data file for this program in the user's data
// folder, here a temporary one.
TEST(StartUp, RegistersTheDataFileType) {
    ShellFixture f;
    const QByteArray saved = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", f.path("share").toUtf8());
    f.startUp();
    saved.isNull() ? qunsetenv("XDG_DATA_HOME") : qputenv("XDG_DATA_HOME", saved);

    const QByteArray entry = ShellFixture::read(f.path("share/applications/vantrel-cps.desktop"));
    EXPECT_TRUE(entry.contains("Exec=\"" + QCoreApplication::applicationFilePath().toUtf8() + "\" %f\n"))
        << entry.toStdString();
    EXPECT_TRUE(entry.contains("Icon=vantrel-cps\n"));
    EXPECT_TRUE(QFile::exists(f.path("share/mime/packages/vantrel-cps.xml")));
    EXPECT_TRUE(f.prompts.messages.empty());
}

}  // namespace
}  // namespace vantrel::test
