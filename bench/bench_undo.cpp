// Undo history figures: the memory a full history of 1000 steps holds and
// the time to record a step and to undo one, on a 16-channel data file whose
// every step changes one channel cell (as a user's edits do).
#include <chrono>
#include <cstdio>
#include <fstream>
#include <memory>
#include <string>

#include "base/DataFolder.h"
#include "codeplug/AppState.h"
#include "model/EditingModel.h"
#include "model/UndoHistory.h"

namespace {

long residentKiB() {
    std::ifstream f("/proc/self/status");
    for (std::string line; std::getline(f, line);)
        if (line.rfind("VmRSS:", 0) == 0) return std::stol(line.substr(6));
    return -1;
}

double msSince(std::chrono::steady_clock::time_point t) {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t).count();
}

}  // namespace

int main() {
    using namespace vantrel;
    AppState state;
    EditingModel model(state);
    model.LoadEditor();
    model.OpenDataFile(LoadKind::FileOpen, DataFilePath("U2_NAG.cpg"));
    const std::size_t steps = UndoHistory::kDefaultCapacity;
    // Built on the heap after the first reading, so the growth is the history's.
    const long before = residentKiB();
    auto history = std::make_unique<UndoHistory>();
    history->reset(model);

    auto t = std::chrono::steady_clock::now();
    for (std::size_t i = 0; i < steps; ++i) {
        model.StepSwitch(static_cast<int>(i % 16) + 1, kColBclo);
        history->record(model);
    }
    const double recordMs = msSince(t);
    const long after = residentKiB();

    t = std::chrono::steady_clock::now();
    std::size_t undone = 0;
    while (history->undo(model)) ++undone;
    const double undoMs = msSince(t);

    std::printf("undo history: %zu steps kept, resident memory +%ld KiB (%.1f KiB a step)\n",
                history->undoSteps() + history->redoSteps(), after - before,
                static_cast<double>(after - before) / static_cast<double>(steps));
    std::printf("record: %.3f ms a step (switch edit included); undo: %.3f ms a step (%zu undone)\n",
                recordMs / static_cast<double>(steps), undoMs / static_cast<double>(undone), undone);
    return 0;
}
