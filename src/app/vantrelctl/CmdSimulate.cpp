// vantrelctl simulate: a radio in programming mode on a pseudo-terminal.
#include <cstdio>
#include <cstring>
#include <string>

#include "Commands.h"
#include "LinkArgs.h"
#include "LinkCpgFile.h"
#include "SimRunner.h"
#include "link/SimulatedRadio.h"

namespace vantrelctl {

namespace {

constexpr const char* kUsage =
    "usage: vantrelctl simulate --image FILE.cpg --link PATH [options]\n"
    "  --reaction MS           delay before each answer (default 10; 0 answers at once)\n"
    "  --pace                  bytes take 11 bit times at 1200 baud, both directions\n"
    "  --echo                  every program byte comes back, as on a single-wire cable\n"
    "  --echo-delay MS         the echo comes this much later, as through a USB adapter\n"
    "                          (default 0; implies --echo)\n"
    "  --identity BYTE         identity answered to R and P (default 0x31)\n"
    "  --bad-checksum BLK:N    block BLK goes out with a wrong checksum N times\n"
    "  --silent-at N           the N-th answer (1 = identity) and all later ones are not sent\n"
    "  --version-first BYTE    first byte of the version answer instead of 0x4F\n"
    "  --radio-password TEXT   the password the radio reports to a write\n"
    "  --target BYTE|auto      answer to T (default auto: from the radio's image)\n"
    "  --target-busy N         answer T with 0x46 N times first\n"
    "  --refuse-block BLK:N    ask for a correctly written block again N times\n"
    "  --save FILE.cpg         store the radio's image there after each write\n";

int Fail(const std::string& message) {
    std::fprintf(stderr, "vantrelctl simulate: %s\n%s", message.c_str(), kUsage);
    return 2;
}

}  // namespace

int CmdSimulate(int argc, char** argv) {
    std::string imagePath, linkPath, savePath;
    vantrel::link::SimulatedRadioOptions options;
    SimTiming timing;
    for (int k = 1; k < argc; ++k) {
        const std::string arg = argv[k];
        if (arg == "--pace") { timing.pace = true; continue; }
        if (arg == "--echo") { timing.echo = true; continue; }
        if (arg == "--help") { std::fputs(kUsage, stdout); return 0; }
        if (k + 1 >= argc) return Fail("missing value or unknown option: " + arg);
        const std::string value = argv[++k];
        bool ok = true;
        if (arg == "--image") imagePath = value;
        else if (arg == "--link") linkPath = value;
        else if (arg == "--save") savePath = value;
        else if (arg == "--radio-password") {
            ok = value.size() <= 8;
            options.password = value;
        }
        else if (arg == "--reaction" || arg == "--echo-delay") {
            const auto ms = ParseMilliseconds(value);
            ok = ms.has_value();
            const auto us = std::chrono::microseconds(static_cast<long long>(ok ? *ms * 1000 : 0));
            if (ok && arg == "--reaction") timing.reaction = us;
            if (ok && arg == "--echo-delay") {
                timing.echo = true;
                timing.echoDelay = us;
            }
        } else if (arg == "--identity" || arg == "--version-first" || arg == "--target") {
            if (arg == "--target" && value == "auto") continue;
            const auto b = ParseByte(value);
            ok = b.has_value();
            if (ok && arg == "--identity") options.identity = *b;
            if (ok && arg == "--version-first") options.versionFirstByte = *b;
            if (ok && arg == "--target") options.target = *b;
        } else if (arg == "--silent-at" || arg == "--target-busy") {
            const auto n = ParseCount(value);
            ok = n.has_value();
            if (ok) (arg == "--silent-at" ? options.silentAt : options.targetBusy) = *n;
        } else if (arg == "--bad-checksum" || arg == "--refuse-block") {
            const auto bt = ParseBlockTimes(value);
            ok = bt.has_value();
            if (ok) (arg == "--bad-checksum" ? options.corruptChecksum : options.refuseBlock)[bt->first] = bt->second;
        } else {
            return Fail("unknown option: " + arg);
        }
        if (!ok) return Fail("bad value for " + arg + ": " + value);
    }
    if (imagePath.empty() || linkPath.empty()) return Fail("--image and --link are required");

    vantrel::CodeplugImage image;
    std::string error;
    if (!LoadCpg(image, imagePath, error)) {
        std::fprintf(stderr, "vantrelctl simulate: %s\n", error.c_str());
        return 1;
    }
    vantrel::link::SimulatedRadio radio(image.bytes(), options);
    return RunSimulator(radio, linkPath, timing, [&] {
        if (savePath.empty()) return;
        vantrel::CodeplugImage written;
        written.replaceAll(radio.image());
        if (!SaveCpgExactly(written, savePath, error))
            std::fprintf(stderr, "vantrelctl simulate: %s\n", error.c_str());
    });
}

}  // namespace vantrelctl
