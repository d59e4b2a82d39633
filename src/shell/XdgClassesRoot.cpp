#include "shell/XdgClassesRoot.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>
#include <vector>

#include "base/AtomicFile.h"

extern char** environ;

namespace vantrel {

namespace fs = std::filesystem;

namespace {

std::string lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return std::tolower(c); });
    return s;
}

bool isFile(const std::string& path) {
    std::error_code ec;
    return !path.empty() && fs::is_regular_file(path, ec);
}

// One argument of an Exec line, quoted as the desktop entry format asks:
// inside double quotes, " ` $ and \ are escaped with a backslash.
std::string quoteArgument(const std::string& arg) {
    std::string out = "\"";
    for (char c : arg) {
        if (c == '"' || c == '`' || c == '$' || c == '\\') out += '\\';
        out += c;
    }
    return out + "\"";
}

// A desktop entry string value, escaped as the format asks: a backslash,
// a line break, a carriage return and a tab become \\, \n, \r and \t, so
// that a value never ends its line (a folder name holding a line break must
// not start a second Exec line). A leading blank becomes \s.
std::string entryString(const std::string& s) {
    std::string out;
    for (char c : s) {
        switch (c) {
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        case ' ': out += out.empty() ? "\\s" : " "; break;
        default: out += c;
        }
    }
    return out;
}

// Percent signs doubled, so that they are not read as field codes.
std::string withoutFieldCodes(const std::string& s) {
    std::string out;
    for (char c : s) out += c == '%' ? std::string("%%") : std::string(1, c);
    return out;
}

// A desktop entry holds UTF-8 text without control characters other than
// the escaped ones: a path that is not such text cannot be named in it.
bool fitsEntry(const std::string& s) {
    for (std::size_t i = 0; i < s.size();) {
        const auto c = static_cast<unsigned char>(s[i]);
        if (c < 0x80) {
            if ((c < 0x20 && c != '\n' && c != '\r' && c != '\t') || c == 0x7F) return false;
            ++i;
            continue;
        }
        const std::size_t n = c >= 0xC2 && c <= 0xDF ? 2 : c >= 0xE0 && c <= 0xEF ? 3 : c >= 0xF0 && c <= 0xF4 ? 4 : 0;
        if (n == 0 || i + n > s.size()) return false;
        for (std::size_t k = 1; k < n; ++k)
            if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return false;
        i += n;
    }
    return true;
}

std::string xmlEscaped(const std::string& s) {
    std::string out;
    for (char c : s) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        default: out += c;
        }
    }
    return out;
}

bool readFile(const std::string& path, std::string& contents) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    contents = s.str();
    return static_cast<bool>(in) || in.eof();
}

// Runs a tool found on PATH with its output discarded; false when it is not
// installed or fails.
bool runTool(const std::vector<std::string>& args) {
    std::vector<char*> argv;
    for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int rc = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (rc != 0) return false;
    int status = 0;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace

XdgClassesRoot::XdgClassesRoot(std::string dataHome, XdgDesktopNames names)
    : dataHome_(std::move(dataHome)), names_(std::move(names)) {}

std::string XdgClassesRoot::userDataHome() {
    const char* xdg = std::getenv("XDG_DATA_HOME");
    if (xdg && *xdg == '/') return xdg;
    const char* home = std::getenv("HOME");
    if (home && *home == '/') return std::string(home) + "/.local/share";
    return {};
}

// Registration runs at every start: a file that already holds the same text
// is left alone, so the desktop databases are only rebuilt after a change.
bool XdgClassesRoot::writeFile(const fs::path& path, const std::string& contents) {
    std::string old;
    std::error_code ec;
    if (fs::is_regular_file(path, ec) && readFile(path.string(), old) && old == contents) return true;
    fs::create_directories(path.parent_path(), ec);
    if (ec || !WriteFileAtomically(path.string(), contents)) return false;
    changed_ = true;
    return true;
}

bool XdgClassesRoot::createKey(const std::string& subKey) {
    if (subKey.empty() || dataHome_.empty()) return false;
    // Like the registry, creating a key creates the keys above it.
    for (std::size_t pos = subKey.find('\\'); pos != std::string::npos; pos = subKey.find('\\', pos + 1))
        keys_.emplace(lower(subKey.substr(0, pos)), std::string());
    keys_.emplace(lower(subKey), std::string());
    return true;
}

bool XdgClassesRoot::openKey(const std::string& subKey) { return keys_.count(lower(subKey)) != 0; }

bool XdgClassesRoot::setDefaultValue(const std::string& subKey, const std::string& value) {
    auto it = keys_.find(lower(subKey));
    if (it == keys_.end()) return false;
    it->second = value;
    return publish();
}

std::string XdgClassesRoot::value(const std::string& key) const {
    auto it = keys_.find(lower(key));
    return it == keys_.end() ? std::string() : it->second;
}

std::string XdgClassesRoot::execLine(const std::string& command) {
    // The file argument: "%1" on its own or in quotes, at the end.
    std::string head = command;
    for (const char* arg : {" \"%1\"", " %1"}) {
        const std::string a = arg;
        if (head.size() >= a.size() && head.compare(head.size() - a.size(), a.size(), a) == 0) {
            head.erase(head.size() - a.size());
            break;
        }
    }
    // The executable is the longest tail of the command that names a file;
    // whatever stands before it is the command prefix.
    std::string prefix, program = head;
    for (std::size_t start = 0; start < head.size();) {
        if (isFile(head.substr(start))) {
            prefix = head.substr(0, start);
            program = head.substr(start);
            break;
        }
        const std::size_t space = head.find(' ', start);
        if (space == std::string::npos) break;
        start = space + 1;
    }
    return entryString(withoutFieldCodes(prefix + quoteArgument(program))) + " %f";
}

// Writes the desktop's equivalents once an extension points at a class that
// has a command. Until then there is nothing to publish.
bool XdgClassesRoot::publish() {
    std::vector<std::string> globs;
    std::string className;
    for (const auto& [key, cls] : keys_) {
        if (key.size() < 2 || key[0] != '.' || cls.empty()) continue;
        if (value(cls + "\\shell\\open\\command").empty()) continue;
        globs.push_back("*" + key);
        className = cls;
    }
    if (globs.empty()) return true;

    const fs::path home(dataHome_);
    const std::string icon = value(className + "\\DefaultIcon");
    std::string iconName;
    if (isFile(icon) && fs::path(icon).extension() == ".svg") {
        std::string svg;
        const std::string mimeIcon = names_.mimeType.substr(0, names_.mimeType.find('/')) + "-" +
                                     names_.mimeType.substr(names_.mimeType.find('/') + 1);
        const fs::path themeDir = home / "icons" / "hicolor" / "scalable";
        if (readFile(icon, svg) && writeFile(themeDir / "apps" / (names_.appId + ".svg"), svg) &&
            writeFile(themeDir / "mimetypes" / (mimeIcon + ".svg"), svg))
            iconName = names_.appId;
    } else if (isFile(icon)) {
        iconName = icon;
    }

    std::string mime =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
        "  <mime-type type=\"" + xmlEscaped(names_.mimeType) + "\">\n"
        "    <comment>" + xmlEscaped(value(className)) + "</comment>\n"
        "    <sub-class-of type=\"text/plain\"/>\n";
    for (const auto& g : globs) mime += "    <glob pattern=\"" + xmlEscaped(g) + "\"/>\n";
    mime += "  </mime-type>\n</mime-info>\n";

    const std::string command = value(className + "\\shell\\open\\command");
    if (!fitsEntry(command) || !fitsEntry(iconName)) return false;
    std::string entry =
        "[Desktop Entry]\n"
        "Type=Application\n"
        "Name=" + entryString(names_.appName) + "\n"
        "Comment=" + entryString(names_.comment) + "\n"
        "Exec=" + execLine(command) + "\n";
    if (!iconName.empty()) entry += "Icon=" + entryString(iconName) + "\n";
    entry +=
        "MimeType=" + names_.mimeType + ";\n"
        "Terminal=false\n"
        "Categories=Utility;\n";

    return writeFile(home / "mime" / "packages" / (names_.appId + ".xml"), mime) &&
           writeFile(home / "applications" / (names_.appId + ".desktop"), entry);
}

void XdgClassesRoot::refreshDatabases() const {
    if (dataHome_.empty() || !changed_) return;
    const fs::path home(dataHome_);
    std::error_code ec;
    if (fs::exists(home / "mime" / "packages", ec)) runTool({"update-mime-database", (home / "mime").string()});
    if (fs::exists(home / "applications", ec))
        runTool({"update-desktop-database", (home / "applications").string()});
}

}  // namespace vantrel
