// libFuzzer target for the data-file reader: whatever the bytes, the reader
// either loads 384 values that save and read back the same, or refuses with a
// reason and leaves the image exactly as it was.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "codeplug/CodeplugFile.h"

using vantrel::CodeplugFileLoad;
using vantrel::CodeplugImage;

namespace {

CodeplugImage Marked() {
    CodeplugImage image;
    for (std::size_t i = 0; i < CodeplugImage::kSize; ++i) image.setByte(i, static_cast<std::uint8_t>(i * 31 + 7));
    return image;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string contents(reinterpret_cast<const char*>(data), size);
    static const CodeplugImage kBefore = Marked();
    CodeplugImage image = kBefore;
    const CodeplugFileLoad load = vantrel::ParseCodeplugFile(image, contents, "fuzz.cpg");
    if (!load.ok()) {
        if (!(image == kBefore) || load.error.empty()) std::abort();
        return 0;
    }
    CodeplugImage again;
    if (!vantrel::ParseCodeplugFile(again, vantrel::FormatCodeplugFile(image), "again.cpg").ok() ||
        !(again == image))
        std::abort();
    return 0;
}
