#include "LinkCpgFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <unistd.h>

#include "shell/CodeplugFile.h"

namespace vantrelctl {

bool LoadCpg(vantrel::CodeplugImage& image, const std::string& path, std::string& error) {
    const vantrel::CodeplugFileLoad load = vantrel::CopyToBox(image, path);
    error = load.error;
    return load.ok();
}

bool SaveCpgExactly(const vantrel::CodeplugImage& image, const std::string& path, std::string& error) {
    const std::string text = vantrel::FormatCodeplugFile(image);
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
