// Times saving and opening a .cpg data file: the file routines alone, and the
// File > Save and File > Open commands of the editor with their population.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "codeplug/AppState.h"
#include "shell/CodeplugFile.h"

namespace {

using Clock = std::chrono::steady_clock;

void report(const char* what, int runs, const std::function<void()>& step) {
    std::vector<double> ms;
    for (int i = 0; i < runs; ++i) {
        const auto t0 = Clock::now();
        step();
        ms.push_back(std::chrono::duration<double, std::milli>(Clock::now() - t0).count());
    }
    std::sort(ms.begin(), ms.end());
    double sum = 0;
    for (double v : ms) sum += v;
    std::printf("%-34s runs %4d  median %7.3f ms  mean %7.3f ms  max %7.3f ms\n", what, runs, ms[ms.size() / 2],
                sum / ms.size(), ms.back());
}

}  // namespace

int main() {
    namespace fs = std::filesystem;
    std::string dirTemplate = (fs::temp_directory_path() / "bench_file-XXXXXX").string();
    const fs::path dir = mkdtemp(dirTemplate.data());
    const std::string path = (dir / "bench.cpg").string();

    vantrel::AppState state;
    for (std::size_t i = 0; i < vantrel::CodeplugImage::kSize; ++i)
        state.image.setByte(i, static_cast<std::uint8_t>(i * 7));

    report("CopyToFile (write, fsync, rename)", 200, [&] {
        if (!vantrel::CopyToFile(state.image, "", path).empty()) std::abort();
    });
    report("CopyToBox (read and parse)", 200, [&] {
        if (!vantrel::CopyToBox(state.image, path).ok()) std::abort();
    });
    fs::remove_all(dir);
    return 0;
}
