// vantrelctl simulate: a radio in programming mode on a pseudo-terminal.
#include <string>

#include "Commands.h"
#include "LinkArgs.h"
#include "SimRunner.h"
#include "cli/CpgFiles.h"
#include "link/SimulatedRadio.h"

namespace vantrelctl {

int CmdSimulate(int argc, char** argv) {
    Args args;
    if (const auto done = ParseCommand(kSimulateCommand, argc, argv, args)) return *done;
    const std::string imagePath = args.value("--image"), linkPath = args.value("--link"),
                      savePath = args.value("--save");
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

    // A written image that cannot be stored would be found out only after the write.
    if (const std::string reason = savePath.empty() ? "" : CannotWrite(savePath); !reason.empty())
        return Fail("cannot write '" + savePath + "': " + reason);
    vantrel::CodeplugImage image;
    std::string error;
    if (!LoadCpg(image, imagePath, error)) return Fail(error);
    vantrel::link::SimulatedRadio radio(image.bytes(), options);
    return RunSimulator(radio, linkPath, timing, [&] {
        if (savePath.empty()) return;
        vantrel::CodeplugImage written;
        written.replaceAll(radio.image());
        if (!SaveCpgExactly(written, savePath, error)) Fail(error);
    });
}

}  // namespace vantrelctl
