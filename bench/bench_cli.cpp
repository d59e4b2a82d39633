// Start-up cost of the command-line tool: each command runs N times (after a
// few warm-up runs), its CPU time (user + system, from wait4) and wall time
// measured from fork to exit; the medians are printed next to a bare C++
// program's on the same machine. Target: `vantrelctl show` under 10 ms of CPU.
// `ports` and `report` show the price of the companion programs that load Qt.
//   bench_cli [RUNS]
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr int kWarmUp = 3;

struct Sample {
    double cpuMs;
    double wallMs;
};

// One run with its output thrown away; false when it could not run or failed.
bool RunOnce(const std::vector<std::string>& argv, Sample& sample) {
    std::vector<char*> args;
    for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = ::fork();
    if (child == 0) {
        const int null = ::open("/dev/null", O_WRONLY);
        ::dup2(null, 1);
        ::dup2(null, 2);
        ::execv(args[0], args.data());
        ::_exit(127);
    }
    int status = 0;
    rusage usage{};
    if (child < 0 || ::wait4(child, &status, 0, &usage) != child) return false;
    const auto end = std::chrono::steady_clock::now();
    auto ms = [](const timeval& t) { return t.tv_sec * 1000.0 + t.tv_usec / 1000.0; };
    sample = {ms(usage.ru_utime) + ms(usage.ru_stime), std::chrono::duration<double, std::milli>(end - start).count()};
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

bool Measure(const char* label, const std::vector<std::string>& argv, int runs) {
    std::vector<double> cpu, wall;
    Sample sample{};
    for (int k = 0; k < kWarmUp + runs; ++k) {
        if (!RunOnce(argv, sample)) {
            std::fprintf(stderr, "bench_cli: %s did not run cleanly\n", argv.front().c_str());
            return false;
        }
        if (k < kWarmUp) continue;
        cpu.push_back(sample.cpuMs);
        wall.push_back(sample.wallMs);
    }
    std::printf("%-28s %8.2f %8.2f %8.2f\n", label, Median(cpu), *std::min_element(cpu.begin(), cpu.end()),
                Median(wall));
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 51;
    const std::string ctl = VANTRELCTL_PATH;
    const std::string file = std::string(VANTREL_BUILD_DATA_DIR) + "/U2_NAG.cpg";
    const std::string pdf = "/tmp/bench_cli_" + std::to_string(::getpid()) + ".pdf";
    std::printf("start-up, %d runs each (ms)     CPU med  CPU min  wall med\n", runs);
    bool ok = Measure("bare C++ program", {BARE_PROGRAM_PATH}, runs) &&
              Measure("vantrelctl --version", {ctl, "--version"}, runs) &&
              Measure("vantrelctl show", {ctl, "show", file}, runs) &&
              Measure("vantrelctl show --json", {ctl, "show", file, "--json"}, runs) &&
              Measure("vantrelctl ports (Qt Core)", {ctl, "ports"}, runs) &&
              Measure("vantrelctl report (Qt Gui)", {ctl, "report", file, "-o", pdf}, std::min(runs, 11));
    ::unlink(pdf.c_str());
    return ok ? 0 : 1;
}
