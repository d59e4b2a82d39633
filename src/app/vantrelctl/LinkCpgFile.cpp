// Local data-file routines until the shell's data file code is available to
// the command-line tool; the format is one identification line, then 384
// decimal byte values, one per line as " 60 " CR LF.
#include "LinkCpgFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace vantrelctl {

namespace {
constexpr const char* kFileId = "Vantrel programmer data file";
}

bool LoadCpg(vantrel::CodeplugImage& image, const std::string& path, std::string& error) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = path + ": " + std::strerror(errno);
        return false;
    }
    std::string first;
    std::getline(in, first);
    if (!first.empty() && first.back() == '\r') first.pop_back();
    if (first != kFileId && first != std::string("\"") + kFileId + "\"") {
        error = path + ": not a Vantrel programmer data file";
        return false;
    }
    vantrel::CodeplugImage::Bytes bytes{};
    std::string rest((std::istreambuf_iterator<char>(in)), {});
    for (char& c : rest)
        if (c == ',') c = ' ';
    std::istringstream numbers(rest);
    for (auto& b : bytes) {
        int value = -1;
        if (!(numbers >> value) || value < 0 || value > 255) {
            error = path + ": fewer than 384 byte values, or a value outside 0..255";
            return false;
        }
        b = static_cast<std::uint8_t>(value);
    }
    image.replaceAll(bytes);
    return true;
}

bool SaveCpgExactly(const vantrel::CodeplugImage& image, const std::string& path, std::string& error) {
    std::string text = std::string(kFileId) + "\r\n";
    for (std::uint8_t b : image.bytes()) text += " " + std::to_string(b) + " \r\n";
    const std::string temp = path + ".part" + std::to_string(::getpid());
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        if (!(out << text) || !out.flush()) {
            error = path + ": " + std::strerror(errno);
            out.close();
            std::remove(temp.c_str());
            return false;
        }
    }
    if (std::rename(temp.c_str(), path.c_str()) != 0) {
        error = path + ": " + std::strerror(errno);
        std::remove(temp.c_str());
        return false;
    }
    return true;
}

}  // namespace vantrelctl
