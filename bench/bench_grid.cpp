// Times a grid edit as the editor runs it: a switch step and a frequency
// commit forwarded through the editor form to the editing model and shown
// back (frmMain::forward), on a 16-channel data file, and the first display
// of that file. The same source builds against earlier versions of the
// form, so figures can be compared across them.
#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "base/DataFolder.h"
#include "channels/ChannelRecord.h"
#include "codeplug/CodeplugFile.h"
#include "gui/codeplug/frmMain.h"

#include "SilentPrompts.h"

namespace {

using Clock = std::chrono::steady_clock;

double msSince(Clock::time_point t) { return std::chrono::duration<double, std::milli>(Clock::now() - t).count(); }

void report(const char* what, std::vector<double> ms) {
    std::sort(ms.begin(), ms.end());
    double sum = 0;
    for (double v : ms) sum += v;
    const std::size_t n = ms.size();
    std::printf("  %-28s mean %.4f ms  median %.4f ms  p95 %.4f ms  max %.4f ms\n", what, sum / n, ms[n / 2],
                ms[n * 95 / 100], ms.back());
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    using namespace vantrel;

    QTemporaryDir dir;
    QSettings settings(dir.filePath("bench.conf"), QSettings::IniFormat);
    AppState state;
    SilentPrompts prompts;
    frmMain editor(state, prompts, settings);
    editor.Load();  // the start-up bytes, before the file replaces them
    CopyToBox(state.image, DataFilePath("U2_NAG.cpg"));
    const auto t0 = Clock::now();
    editor.PopulateEditor(LoadKind::FileOpen);
    std::printf("a 16-channel data file shown in the editor: %.3f ms\n", msSince(t0));
    editor.show();

    constexpr int kRuns = 2000;
    std::vector<double> step, commit;
    int stored = 0;
    step.reserve(kRuns);
    commit.reserve(kRuns);
    for (int i = 0; i < kRuns; ++i) {
        const int channel = i % 16 + 1;
        auto t = Clock::now();
        editor.forward([channel](EditingModel& m) { return m.StepSwitch(channel, kColBclo); });
        step.push_back(msSince(t));
        // A frequency inside the radio's band (450-470 MHz), a new one each time.
        const std::string mhz = std::to_string(451 + i % 4) + "." + std::to_string(100 + i % 50 * 25);
        t = Clock::now();
        FrequencyStatus status = FrequencyStatus::Stored;
        editor.forward([&](EditingModel& m) { return m.CommitFrequency(channel, Side::Rx, mhz, &status); });
        commit.push_back(msSince(t));
        stored += status == FrequencyStatus::Stored;
    }
    std::printf("a forwarded grid edit, %d runs each:\n", kRuns);
    report("switch step (BCLO)", step);
    report("Rx frequency commit", commit);
    std::printf("  (%d of the %d commits stored a new frequency)\n", stored, kRuns);
    return 0;
}
