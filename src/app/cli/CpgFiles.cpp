#include "cli/CpgFiles.h"

#include "base/AtomicFile.h"
#include "channels/FrequencyCodec.h"
#include "codeplug/CodeplugFile.h"
#include "codeplug/Identity.h"

namespace vantrelctl {

bool LoadCpg(vantrel::CodeplugImage& image, const std::string& path, std::string& error) {
    const vantrel::CodeplugFileLoad load = vantrel::CopyToBox(image, path);
    error = load.error;
    return load.ok();
}

bool LoadCpgWithBand(vantrel::AppState& state, const std::string& path, std::string& error) {
    if (!LoadCpg(state.image, path, error)) return false;
    vantrel::ApplyBandLimits(state);
    vantrel::RefreshUhfBand(state);
    return true;
}

bool SaveCpgExactly(const vantrel::CodeplugImage& image, const std::string& path, std::string& error) {
    std::string reason;
    if (vantrel::WriteFileAtomically(path, vantrel::FormatCodeplugFile(image), &reason)) return true;
    error = "cannot write '" + path + "': " + reason;
    return false;
}

}  // namespace vantrelctl
