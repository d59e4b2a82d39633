// vantrelctl simulate: a radio in programming mode on a pseudo-terminal, or
// a fleet of them on pseudo-terminals of their own.
#include <algorithm>
#include <cstdio>
#include <deque>
#include <string>
#include <vector>

#include "Commands.h"
#include "LinkArgs.h"
#include "SimRunner.h"
#include "cli/CpgFiles.h"
#include "codeplug/FactoryFields.h"
#include "link/SimulatedRadio.h"

namespace vantrelctl {

namespace {

constexpr int kMaxRadios = 64;

// Radio n of a fleet (from 1): "SIM001", for a radio whose codeplug has no
// serial number, so that every radio of the fleet has one of its own.
std::string FleetSerial(int n) {
    char text[16];
    std::snprintf(text, sizeof text, "SIM%03d", n);
    return text;
}

// PATH with the radio's number before a ".cpg" ending: now.cpg -> now2.cpg.
std::string Numbered(const std::string& path, int n) {
    const std::string number = std::to_string(n);
    const std::size_t dot = path.rfind(".cpg");
    return dot != std::string::npos && dot + 4 == path.size() ? path.substr(0, dot) + number + ".cpg" : path + number;
}

}  // namespace

int CmdSimulate(int argc, char** argv) {
    Args args;
    if (const auto done = ParseCommand(kSimulateCommand, argc, argv, args)) return *done;
    const std::string linkPath = args.value("--link"), savePath = args.value("--save");
    std::vector<std::string> imagePaths;
    for (const auto& [option, value] : args.options())
        if (option == "--image") imagePaths.push_back(value);
    int count = 0;  // a single radio on PATH itself
    vantrel::link::SimulatedRadioOptions options;
    SimTiming timing;
    timing.pace = args.has("--pace");
    timing.echo = args.has("--echo");
    for (const auto& [option, value] : args.options()) {
        bool ok = true;
        if (option == "--radio-password") {
            ok = value.size() <= 8;
            options.password = value;
        } else if (option == "--reaction" || option == "--echo-delay") {
            const auto ms = ParseMilliseconds(value);
            ok = ms.has_value();
            const auto us = std::chrono::microseconds(static_cast<long long>(ok ? *ms * 1000 : 0));
            if (ok && option == "--reaction") timing.reaction = us;
            if (ok && option == "--echo-delay") {
                timing.echo = true;
                timing.echoDelay = us;
            }
        } else if (option == "--identity" || option == "--version-first" || option == "--target") {
            if (option == "--target" && value == "auto") continue;
            const auto b = ParseByte(value);
            ok = b.has_value();
            if (ok && option == "--identity") options.identity = *b;
            if (ok && option == "--version-first") options.versionFirstByte = *b;
            if (ok && option == "--target") options.target = *b;
        } else if (option == "--count") {
            const auto n = ParseCount(value);
            ok = n && *n >= 1 && *n <= kMaxRadios;
            count = ok ? *n : 0;
        } else if (option == "--silent-at" || option == "--target-busy") {
            const auto n = ParseCount(value);
            ok = n.has_value();
            if (ok) (option == "--silent-at" ? options.silentAt : options.targetBusy) = *n;
        } else if (option == "--bad-checksum" || option == "--refuse-block") {
            const auto bt = ParseBlockTimes(value);
            ok = bt.has_value();
            if (ok) (option == "--bad-checksum" ? options.corruptChecksum : options.refuseBlock)[bt->first] = bt->second;
        } else if (option == "--junk-before" || option == "--junk-after") {
            const auto junk = ParseAnswerByte(value);
            ok = junk.has_value();
            if (ok) (option == "--junk-before" ? options.junkBefore : options.junkAfter)[junk->first] = junk->second;
        }
        if (!ok) return UsageError(kSimulateCommand, "bad value for " + option + ": '" + value + "'");
    }

    if (count == 0 && imagePaths.size() > 1)
        return UsageError(kSimulateCommand, "--image is given once per radio only with --count");
    if (count > 0 && imagePaths.size() > static_cast<std::size_t>(count))
        return UsageError(kSimulateCommand, "more --image files than radios");

    const int radios = count > 0 ? count : 1;
    // The list never grows after this: the places below point into it.
    std::deque<vantrel::link::SimulatedRadio> fleet;
    std::vector<SimPlace> places;
    for (int n = 1; n <= radios; ++n) {
        const std::string& imagePath = imagePaths[std::min<std::size_t>(n, imagePaths.size()) - 1];
        const std::string save = savePath.empty() || count == 0 ? savePath : Numbered(savePath, n);
        // A written image that cannot be stored would be found out only after the write.
        if (const std::string reason = save.empty() ? "" : CannotWrite(save); !reason.empty())
            return Fail("cannot write '" + save + "': " + reason);
        vantrel::CodeplugImage image;
        std::string error;
        if (!LoadCpg(image, imagePath, error)) return Fail(error);
        if (count > 0 && vantrel::serialNumberBlank(image))
            image.setText(vantrel::bytemap::SerialNumber, vantrel::bytemap::SerialNumberSize, FleetSerial(n));
        vantrel::link::SimulatedRadio& radio = fleet.emplace_back(image.bytes(), options);
        places.push_back({&radio, count > 0 ? linkPath + std::to_string(n) : linkPath, [&radio, save] {
                              if (save.empty()) return;
                              vantrel::CodeplugImage written;
                              written.replaceAll(radio.image());
                              std::string error;
                              if (!SaveCpgExactly(written, save, error)) Fail(error);
                          }});
    }
    return RunSimulator(places, timing);
}

}  // namespace vantrelctl
