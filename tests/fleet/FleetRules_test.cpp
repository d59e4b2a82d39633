// The fleet's rules that need no radio: data-file names of a fleet read, and
// the codeplugs that must not go to several radios at once.
#include <gtest/gtest.h>

#include "codeplug/ByteMap.h"
#include "fleet/FleetJob.h"
#include "fleet/RadioIdentity.h"

namespace vantrel::fleet {
namespace {

namespace bm = bytemap;

TEST(FleetRead, FileNameIsTheSerialNumberOrThePortMadeSafe) {
    struct Case {
        const char* serial;
        const char* port;
        const char* file;
    } const cases[] = {
        {"SIM001", "Com1", "SIM001.cpg"},
        {"", "Com3", "Com3.cpg"},
        {"", "/dev/ttyUSB0", "ttyUSB0.cpg"},
        // A serial number is whatever the radio holds: it never leaves the folder.
        {"../../x", "Com1", "_.._.._x.cpg"},
        {"A/B C*", "Com1", "A_B_C_.cpg"},
        {".hidden", "Com1", "_.hidden.cpg"},
        {"", "/dev/", "_.cpg"},
    };
    for (const Case& c : cases) EXPECT_EQ(ReadFileName(c.serial, c.port), c.file) << c.serial << " " << c.port;
}

TEST(FleetWrite, RefusesToGiveSeveralRadiosOneSerialNumber) {
    EditingModel::Snapshot prepared;
    CodeplugImage& image = prepared.state.image;
    for (std::size_t k = 0; k < bm::SerialNumberSize; ++k) image.setByte(bm::SerialNumber + k, 0xFF);
    image.setByte(bm::SerialWriteEnable, 1);
    // Ten 0xFF bytes: every radio keeps its own.
    EXPECT_EQ(FleetWriteRefusal(prepared, 8), "");
    image.setText(bm::SerialNumber, bm::SerialNumberSize, "AB12");
    EXPECT_EQ(FleetWriteRefusal(prepared, 1), "");
    EXPECT_EQ(FleetWriteRefusal(prepared, 2),
              "the codeplug would give every radio the serial number 'AB12' (its serial write enable is set): "
              "write one radio at a time");
    // Without the enable the write sends 0xFF in its place.
    image.setByte(bm::SerialWriteEnable, 0);
    EXPECT_EQ(FleetWriteRefusal(prepared, 2), "");
}

}  // namespace
}  // namespace vantrel::fleet
