#include "link/PortFile.h"

#include <string>

#include "base/AtomicFile.h"
#include "base/RegularFile.h"

namespace vantrel::link {

namespace {

// The file holds one short line; only its first bytes are ever looked at, so
// a huge file in its place costs nothing.
constexpr std::size_t kPortFileLimit = 256;

// The first field of the file: the text between double quotes when it starts
// with one, else up to a comma or the end of the line, blanks trimmed.
std::string FirstField(const std::string& contents) {
    const std::string line = contents.substr(0, contents.find('\n'));
    const auto start = line.find_first_not_of(' ');
    if (start == std::string::npos) return {};
    if (line[start] == '"') {
        const auto end = line.find('"', start + 1);
        return line.substr(start + 1, end == std::string::npos ? std::string::npos : end - start - 1);
    }
    std::string field = line.substr(start, line.find_first_of(",\r", start) - start);
    field.erase(field.find_last_not_of(' ') + 1);
    return field;
}

}  // namespace

int ReadPortFile(const std::filesystem::path& configFolder) {
    const auto path = configFolder / kPortFileName;
    std::error_code ec;
    if (!std::filesystem::exists(path, ec)) {
        WritePortFile(configFolder, 1);
        return 1;
    }
    // Only a plain file is read: a pipe or a device in its place would block
    // or never end.
    const RegularFileRead file = ReadRegularFile(path.string(), kPortFileLimit);
    const bool usable = file.status == RegularFileRead::Status::Ok || file.status == RegularFileRead::Status::TooLong;
    const std::string field = usable ? FirstField(file.contents) : std::string();
    for (int n = 1; n < kPortCount; ++n)
        if (field == "com" + std::to_string(n)) return n;
    return kPortCount;
}

bool WritePortFile(const std::filesystem::path& configFolder, int port) {
    if (port < 1 || port > kPortCount) port = kPortCount;
    std::error_code ec;
    std::filesystem::create_directories(configFolder, ec);
    // Replaced as a whole: an interrupted write cannot leave a half file, and
    // a pipe in its place cannot block the closing.
    return WriteFileAtomically((configFolder / kPortFileName).string(),
                               "\"com" + std::to_string(port) + "\"\r\n");
}

int SelectedPort(const std::array<bool, kPortCount>& checked) {
    for (int n = 1; n < kPortCount; ++n)
        if (checked[n - 1]) return n;
    return kPortCount;
}

}  // namespace vantrel::link
