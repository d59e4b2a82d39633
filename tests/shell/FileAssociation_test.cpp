#include <gtest/gtest.h>
#include <stdlib.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "shell/DataFileRegistration.h"
#include "shell/FileAssociation.h"
#include "shell/XdgClassesRoot.h"

namespace fs = std::filesystem;
using namespace vantrel;

namespace {

// Records what the routine does to the registry.
struct FakeRoot : ClassesRoot {
    std::vector<std::string> ops;
    bool failCreate = false;
    bool createKey(const std::string& k) override {
        ops.push_back("create " + k);
        return !failCreate;
    }
    bool openKey(const std::string&) override { return !failCreate; }
    bool setDefaultValue(const std::string& k, const std::string& v) override {
        ops.push_back("set " + k + " = " + v);
        return true;
    }
};

struct TempDir {
    fs::path path;
    TempDir() {
        std::string t = (fs::temp_directory_path() / "vantrel-assoc-XXXXXX").string();
        path = mkdtemp(t.data());
    }
    ~TempDir() { fs::remove_all(path); }
};

std::string readAll(const fs::path& p) {
    std::ifstream in(p);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// Sets environment variables for one test and puts the old values back.
struct EnvGuard {
    std::vector<std::pair<std::string, std::optional<std::string>>> saved;
    void set(const char* name, const char* value) {
        const char* old = getenv(name);
        saved.emplace_back(name, old ? std::optional<std::string>(old) : std::nullopt);
        value ? setenv(name, value, 1) : unsetenv(name);
    }
    ~EnvGuard() {
        for (auto it = saved.rbegin(); it != saved.rend(); ++it)
            it->second ? setenv(it->first.c_str(), it->second->c_str(), 1) : unsetenv(it->first.c_str());
    }
};

fs::path touch(const fs::path& p, const std::string& text = "x") {
    std::ofstream(p) << text;
    return p;
}

struct Fixture : ::testing::Test {
    TempDir dir;
    std::string app = touch(dir.path / "vantrel-cps").string();
    FakeRoot root;
    std::vector<std::string> errors;
    FileAss fa{root, [this](const std::string& t) { errors.push_back(t); }};

    FileAssociationRequest request() {
        return {".cpg", "Text File", "Vantrel CPS File", "Open", app, "", true, "/opt/icon.svg", true};
    }
};

}  // namespace

TEST_F(Fixture, WritesTheFourEntries) {
    auto r = request();
    r.extension = "cpg";  // the dot is added
    ASSERT_TRUE(fa.CreateFileAssociation(r));
    EXPECT_EQ(root.ops, (std::vector<std::string>{
                            "create .cpg",
                            "create Text File\\shell\\Open\\command",
                            "create Text File\\DefaultIcon",
                            "set Text File\\DefaultIcon = /opt/icon.svg",
                            "set .cpg = Text File",
                            "set Text File = Vantrel CPS File",
                            "set Text File\\shell\\Open\\command = " + app + " %1",
                        }));
    EXPECT_TRUE(errors.empty());
}

TEST_F(Fixture, TrimsThePrefixAndDefaultsTheIcon) {
    auto r = request();
    r.commandPrefix = "  wine  ";
    r.iconPath = "";
    ASSERT_TRUE(fa.CreateFileAssociation(r));
    EXPECT_EQ(root.ops[3], "set Text File\\DefaultIcon = " + app + ",0");
    EXPECT_EQ(root.ops.back(), "set Text File\\shell\\Open\\command = wine " + app + " %1");
}

TEST_F(Fixture, RefusesIllegalExtensionsAndMissingProgramsBeforeTouchingTheRegistry) {
    for (char c : std::string("\\/:*?<>|\"")) {
        auto r = request();
        r.extension = std::string(".c") + c + "g";
        errors.clear();
        EXPECT_FALSE(fa.CreateFileAssociation(r)) << c;
        ASSERT_EQ(errors.size(), 1u);
        EXPECT_EQ(errors[0], "The file extension '" + r.extension + "' contains an illegal char (\\/:*?<>|\").");
    }
    auto r = request();
    r.applicationPath = (dir.path / "missing").string();
    errors.clear();
    EXPECT_FALSE(fa.CreateFileAssociation(r));
    EXPECT_EQ(errors, std::vector<std::string>{"The application path '" + r.applicationPath + "' cannot be found."});
    EXPECT_TRUE(root.ops.empty());
}

TEST_F(Fixture, RegistryFailuresAreReportedOnlyWhenAskedAndFailTheCall) {
    root.failCreate = true;
    auto r = request();
    r.showErrors = false;
    EXPECT_FALSE(fa.CreateFileAssociation(r));
    EXPECT_TRUE(errors.empty());

    r.showErrors = true;
    EXPECT_FALSE(fa.CreateFileAssociation(r));
    ASSERT_EQ(errors.size(), 7u);  // three keys, four values
    EXPECT_EQ(errors[0], "An error occured while attempting to to create a registery key.");
    EXPECT_EQ(errors[3], "An error occured while attempting to access the registery.");
}

TEST(XdgClassesRoot, ExecLineQuotesTheProgramAndPassesTheFile) {
    TempDir dir;
    const auto odd = touch(dir.path / "my \"cps\" $1 100%").string();
    EXPECT_EQ(XdgClassesRoot::execLine(odd + " %1"),
              "\"" + dir.path.string() + "/my \\\\\"cps\\\\\" \\\\$1 100%%\" %f");
    const auto plain = touch(dir.path / "cps").string();
    EXPECT_EQ(XdgClassesRoot::execLine("wine " + plain + " %1"), "wine \"" + plain + "\" %f");
}

// A folder name holding a line break stays inside the one Exec line, as
// the escape \n; a name a desktop entry cannot hold is not registered.
TEST(XdgClassesRoot, OddFolderNamesStayInsideTheirValue) {
    TempDir dir;
    const fs::path data = dir.path / "data";
    EnvGuard env;
    env.set("XDG_DATA_HOME", data.c_str());
    env.set("PATH", "");  // no desktop database tools
    fs::create_directories(dir.path / "bin\nExec=evil");
    const auto app = touch(dir.path / "bin\nExec=evil" / "vantrel-cps", "");
    ASSERT_TRUE(RegisterDataFileType(app.string(), ""));
    const std::string entry = readAll(data / "applications" / "vantrel-cps.desktop");
    EXPECT_NE(entry.find("Exec=\"" + dir.path.string() + "/bin\\nExec=evil/vantrel-cps\" %f\n"), std::string::npos)
        << entry;
    EXPECT_EQ(entry.find("\nExec=evil"), std::string::npos) << entry;

    fs::remove_all(data);
    fs::create_directories(dir.path / "bin\xff");
    RegisterDataFileType(touch(dir.path / "bin\xff" / "vantrel-cps", "").string(), "");
    EXPECT_FALSE(fs::exists(data / "applications" / "vantrel-cps.desktop"));
}

// The whole road on this desktop: after registration the desktop's own tools
// find the program for a .cpg file.
TEST(XdgClassesRoot, DesktopFindsTheProgramForADataFile) {
    TempDir dir;
    const fs::path data = dir.path / "data";
    const auto app = touch(dir.path / "bin dir" / "vantrel-cps", "");
    EnvGuard env;
    env.set("XDG_DATA_HOME", data.c_str());
    env.set("XDG_CONFIG_HOME", (dir.path / "config").c_str());
    env.set("XDG_DATA_DIRS", "/usr/share");
    for (const char* v : {"XDG_CURRENT_DESKTOP", "DESKTOP_SESSION", "KDE_FULL_SESSION", "GNOME_DESKTOP_SESSION_ID"})
        env.set(v, nullptr);
    fs::create_directories(app.parent_path());
    touch(app, "");
    const auto icon = touch(dir.path / "vantrel-cps.svg", "<svg xmlns=\"http://www.w3.org/2000/svg\"/>");

    ASSERT_TRUE(RegisterDataFileType(app.string(), icon.string()));

    const std::string entry = readAll(data / "applications" / "vantrel-cps.desktop");
    EXPECT_NE(entry.find("Exec=\"" + app.string() + "\" %f\n"), std::string::npos) << entry;
    EXPECT_NE(entry.find("MimeType=application/x-vantrel-cps;\n"), std::string::npos);
    EXPECT_NE(entry.find("Icon=vantrel-cps\n"), std::string::npos);
    EXPECT_TRUE(fs::exists(data / "icons/hicolor/scalable/apps/vantrel-cps.svg"));
    EXPECT_NE(readAll(data / "mime/packages/vantrel-cps.xml").find("<comment>Vantrel CPS File</comment>"),
              std::string::npos);

    // The next start finds everything in place: no file is rewritten, so the
    // desktop databases are not rebuilt either.
    const fs::path written[] = {data / "applications" / "vantrel-cps.desktop",
                                data / "mime" / "packages" / "vantrel-cps.xml",
                                data / "mime" / "mime.cache"};
    std::vector<fs::file_time_type> before;
    for (const auto& f : written) before.push_back(fs::exists(f) ? fs::last_write_time(f) : fs::file_time_type{});
    ASSERT_TRUE(RegisterDataFileType(app.string(), icon.string()));
    for (std::size_t i = 0; i < before.size(); ++i)
        EXPECT_EQ(fs::exists(written[i]) ? fs::last_write_time(written[i]) : fs::file_time_type{}, before[i])
            << written[i];

    if (std::system("mimetype --version >/dev/null 2>&1") != 0 || std::system("xdg-mime --version >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "xdg-mime or mimetype is not installed";
    const auto doc = touch(dir.path / "some.cpg", "Vantrel programmer data file\r\n 0 \r\n");
    auto run = [](const std::string& cmd) {
        std::string out;
        FILE* p = popen(cmd.c_str(), "r");
        char buf[256];
        while (p && fgets(buf, sizeof buf, p)) out += buf;
        if (p) pclose(p);
        return out;
    };
    EXPECT_EQ(run("xdg-mime query filetype '" + doc.string() + "'"), "application/x-vantrel-cps\n");
    EXPECT_EQ(run("xdg-mime query default application/x-vantrel-cps"), "vantrel-cps.desktop\n");
}

TEST(XdgClassesRoot, IllegalExtensionWritesNothing) {
    TempDir dir;
    const auto app = touch(dir.path / "vantrel-cps", "");
    XdgClassesRoot root((dir.path / "data").string());
    FileAss fa(root, nullptr);
    EXPECT_FALSE(fa.CreateFileAssociation({".c*g", "Text File", "Vantrel CPS File", "Open", app.string(), "",
                                           true, "", false}));
    EXPECT_FALSE(fs::exists(dir.path / "data"));
}
