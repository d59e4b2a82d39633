#pragma once
// An engine on a recording surface, a fixed Letter printer (8.0 x 10.5 in
// printable) and a private page folder under a fresh temporary parent.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <memory>

#include "report/PrinterFacts.h"
#include "report/RecordingSurface.h"
#include "report/clsMultiPgPreview.h"

namespace vantrel::report::testing {

class EngineTest : public ::testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/vantrel-engine-XXXXXX";
        parent_ = mkdtemp(pattern);
        setenv("XDG_RUNTIME_DIR", parent_.c_str(), 1);
        engine = std::make_unique<clsMultiPgPreview>(printer, host, columns,
                                                     [] { return std::time_t(1797000000); });
    }
    void TearDown() override { std::filesystem::remove_all(parent_); }

    void start() {
        engine->pStartDoc();
        engine->FontName("Arial");
        engine->FontSize(10);   // lines 0.2 high
    }
    RecordingSurface& surface() { return host.surface; }
    std::vector<std::string> texts() const {
        std::vector<std::string> out;
        for (const auto& d : host.surface.texts()) out.push_back(d.text);
        return out;
    }

    FixedPrinter printer;
    RecordingHost host;
    ColumnShift columns;
    std::unique_ptr<clsMultiPgPreview> engine;

private:
    std::string parent_;
};

}  // namespace vantrel::report::testing
