// libFuzzer target for the channel-list import: whatever the text, the import
// either refuses the list as a whole and leaves the image exactly as it was,
// or takes what it can through the editing model; then the image's own
// export imports back without changing a byte.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "codeplug/CodeplugFile.h"
#include "model/EditingModel.h"
#include "shell/ChirpCsv.h"

namespace {

// A 16-channel radio as File > Open leaves it.
struct Opened {
    vantrel::AppState state;
    vantrel::EditingModel model{state};
    explicit Opened(const vantrel::CodeplugImage::Bytes& bytes) {
        model.LoadImage(vantrel::LoadKind::FileOpen, bytes);
    }
};

const vantrel::CodeplugImage::Bytes& Radio() {
    static const vantrel::CodeplugImage::Bytes bytes = [] {
        vantrel::CodeplugImage image;
        if (!vantrel::CopyToBox(image, VANTREL_FUZZ_RADIO).ok()) std::abort();
        return Opened(image.bytes()).state.image.bytes();
    }();
    return bytes;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Opened radio(Radio());
    const vantrel::ChirpImport result =
        vantrel::ImportChirpCsv(std::string_view(reinterpret_cast<const char*>(data), size), radio.model);
    if (!result.error.empty()) {
        if (radio.state.image.bytes() != Radio()) std::abort();
        return 0;
    }
    Opened again(radio.state.image.bytes());
    const vantrel::CodeplugImage::Bytes loaded = again.state.image.bytes();
    const vantrel::ChirpImport back = vantrel::ImportChirpCsv(vantrel::ExportChirpCsv(again.state), again.model);
    if (!back.error.empty() || !back.skipped.empty() || again.state.image.bytes() != loaded) std::abort();
    return 0;
}
