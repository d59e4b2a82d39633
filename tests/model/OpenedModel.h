#pragma once
// A model holding one of the shipped default data files, loaded as a given
// kind of load, for the tests of undo, paste and comparison.
#include <gtest/gtest.h>

#include <string>

#include "codeplug/CodeplugFile.h"
#include "model/EditingModel.h"

namespace vantrel::testing {

inline std::string ShippedFile(const std::string& name) {
    return std::string(VANTREL_TEST_DATA_DIR) + "/../data/" + name;
}

inline CodeplugImage::Bytes ShippedBytes(const std::string& name) {
    CodeplugImage image;
    EXPECT_TRUE(CopyToBox(image, ShippedFile(name)).ok()) << name;
    return image.bytes();
}

struct OpenedModel {
    AppState state;
    EditingModel model{state};
    explicit OpenedModel(const std::string& name, LoadKind kind = LoadKind::FileOpen) {
        model.LoadImage(kind, ShippedBytes(name));
    }
};

}  // namespace vantrel::testing
