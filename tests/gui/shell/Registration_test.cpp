#include <gtest/gtest.h>

#include <QCoreApplication>

#include "gui/shell/ShellFixture.h"

namespace vantrel::test {
namespace {

// Start-up registers the data file for the installed program in the user's
// data folder, here a temporary one. This test's program runs from the build
// tree, which registers only when asked: trying a build must not take the
// desktop's .cpg files away from the installed program.
TEST(StartUp, RegistersTheDataFileTypeOnlyWhenInstalledOrAsked) {
    for (const bool asked : {false, true}) {
        SCOPED_TRACE(asked ? "asked" : "not asked");
        ShellFixture f;
        const QByteArray saved = qgetenv("XDG_DATA_HOME");
        qputenv("XDG_DATA_HOME", f.path("share").toUtf8());
        if (asked) qputenv("VANTREL_REGISTER_FILE_TYPE", "1");
        f.startUp();
        qunsetenv("VANTREL_REGISTER_FILE_TYPE");
        saved.isNull() ? qunsetenv("XDG_DATA_HOME") : qputenv("XDG_DATA_HOME", saved);

        const QString desktop = f.path("share/applications/vantrel-cps.desktop");
        EXPECT_TRUE(f.prompts.messages.empty());
        if (!asked) {
            EXPECT_FALSE(QFile::exists(desktop));
            continue;
        }
        const QByteArray entry = ShellFixture::read(desktop);
        EXPECT_TRUE(entry.contains("Exec=\"" + QCoreApplication::applicationFilePath().toUtf8() + "\" %f\n"))
            << entry.toStdString();
        EXPECT_TRUE(entry.contains("Icon=vantrel-cps\n"));
        EXPECT_TRUE(QFile::exists(f.path("share/mime/packages/vantrel-cps.xml")));
    }
}

}  // namespace
}  // namespace vantrel::test
