#include "cli/CommandLine.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "base/OutputFile.h"

namespace vantrelctl {

namespace {

// More optional options than this show as "[options]" in the synopsis.
constexpr std::size_t kOptionalsInSynopsis = 3;

const OptionSpec kHelpOption{"-h, --help", nullptr, "show this help and exit"};

std::string optionWithValue(const OptionSpec& o) { return o.value ? std::string(o.name) + " " + o.value : o.name; }

const OptionSpec* findOption(const CommandSpec& cmd, const std::string& name) {
    for (const OptionSpec& o : cmd.options)
        if (name == o.name) return &o;
    return nullptr;
}

void printHelp(const CommandSpec& cmd) {
    std::printf("usage: %s\n%s\n\noptions:\n", Synopsis(cmd).c_str(), cmd.summary);
    std::vector<const OptionSpec*> rows;
    for (const OptionSpec& o : cmd.options) rows.push_back(&o);
    rows.push_back(&kHelpOption);
    std::size_t width = 0;
    for (const OptionSpec* o : rows) width = std::max(width, optionWithValue(*o).size());
    for (const OptionSpec* o : rows)
        std::printf("  %-*s  %s\n", static_cast<int>(width), optionWithValue(*o).c_str(), o->help);
}

void printToolHelp(const std::vector<Command>& commands) {
    std::printf("usage: %s COMMAND [options]\n\ncommands:\n", kProgram);
    for (const Command& c : commands) std::printf("  %s\n      %s\n", Synopsis(*c.cmd).c_str(), c.cmd->summary);
    std::printf("\n'%s COMMAND --help' describes a command; '%s --version' shows the version.\n", kProgram, kProgram);
}

int toolUsageError(const std::vector<Command>& commands, const std::string& message) {
    std::string names;
    for (const Command& c : commands) names += std::string(names.empty() ? "" : ", ") + c.cmd->name;
    std::fprintf(stderr, "%s: %s\ncommands: %s (see '%s --help')\n", kProgram, message.c_str(), names.c_str(),
                 kProgram);
    return kExitUsage;
}

}  // namespace

bool Args::has(const std::string& option) const {
    return std::any_of(options_.begin(), options_.end(), [&](const auto& o) { return o.first == option; });
}

std::string Args::value(const std::string& option) const {
    for (auto o = options_.rbegin(); o != options_.rend(); ++o)
        if (o->first == option) return o->second;
    return "";
}

int NameWords(const CommandSpec& cmd) { return std::string(cmd.name).find(' ') == std::string::npos ? 1 : 2; }

std::optional<int> ParseCommand(const CommandSpec& cmd, int argc, char** argv, Args& args) {
    args = Args{};
    const int skip = NameWords(cmd) - 1;
    argc -= skip;
    argv += skip;
    bool optionsEnded = false;
    for (int k = 1; k < argc; ++k) {
        const std::string arg = argv[k];
        if (optionsEnded || arg.size() < 2 || arg[0] != '-') {
            args.operands_.push_back(arg);
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
            continue;
        }
        if (arg == "--help" || arg == "-h") {
            printHelp(cmd);
            return 0;
        }
        const std::size_t equals = arg.rfind("--", 0) == 0 ? arg.find('=') : std::string::npos;
        const std::string name = arg.substr(0, equals);
        const OptionSpec* option = findOption(cmd, name);
        if (!option) return UsageError(cmd, "unknown option '" + name + "'");
        std::string value;
        if (!option->value) {
            if (equals != std::string::npos) return UsageError(cmd, "option '" + name + "' takes no value");
        } else if (equals != std::string::npos) {
            value = arg.substr(equals + 1);
        } else if (k + 1 < argc) {
            value = argv[++k];
        } else {
            return UsageError(cmd, "option '" + name + "' needs a value (" + option->value + ")");
        }
        args.options_.emplace_back(name, value);
    }
    for (const OptionSpec& o : cmd.options)
        if (o.required && !args.has(o.name)) return UsageError(cmd, "missing " + optionWithValue(o));
    const std::size_t wanted = static_cast<std::size_t>(cmd.operandCount);
    if (args.operands_.size() < wanted) return UsageError(cmd, std::string("missing ") + cmd.operands);
    const std::size_t most = cmd.operandMax < 0 ? wanted : static_cast<std::size_t>(cmd.operandMax);
    if (args.operands_.size() > most) return UsageError(cmd, "unexpected argument '" + args.operands_[most] + "'");
    return std::nullopt;
}

std::string Synopsis(const CommandSpec& cmd) {
    std::string out = std::string(kProgram) + " " + cmd.name;
    std::vector<const OptionSpec*> optional;
    for (const OptionSpec& o : cmd.options) {
        if (o.required) out += " " + optionWithValue(o);
        else optional.push_back(&o);
    }
    if (*cmd.operands) out += std::string(" ") + cmd.operands;
    if (optional.size() > kOptionalsInSynopsis) return out + " [options]";
    for (const OptionSpec* o : optional) out += " [" + optionWithValue(*o) + "]";
    return out;
}

int Fail(const std::string& message) {
    std::fprintf(stderr, "%s: %s\n", kProgram, message.c_str());
    return kExitFailure;
}

int UsageError(const CommandSpec& cmd, const std::string& message) {
    std::fprintf(stderr, "%s: %s: %s\nusage: %s\n", kProgram, cmd.name, message.c_str(), Synopsis(cmd).c_str());
    return kExitUsage;
}

std::string SystemError(int error) { return std::strerror(error); }

std::string CannotWrite(const std::string& path, bool streamAllowed) {
    return vantrel::OutputProblem(path, streamAllowed);
}

int RunCommandLine(const std::vector<Command>& commands, int argc, char** argv) {
    if (argc < 2) return toolUsageError(commands, "missing command");
    const std::string first = argv[1];
    if (first == "--help" || first == "-h") {
        printToolHelp(commands);
        return 0;
    }
    if (first == "--version") {
        std::printf("%s %s\n", kProgram, VANTREL_VERSION);
        return 0;
    }
    const std::string both = argc > 2 ? first + " " + argv[2] : first;
    std::string seconds;  // the second words of the commands named by `first`
    for (const Command& c : commands) {
        const std::string name = c.cmd->name;
        if (first == name || both == name) return c.run(argc - 1, argv + 1);
        if (name.rfind(first + " ", 0) == 0) seconds += (seconds.empty() ? "" : ", ") + name.substr(first.size() + 1);
    }
    if (!seconds.empty())
        return toolUsageError(commands, "'" + first + "' needs one of: " + seconds);
    if (first[0] == '-') return toolUsageError(commands, "unknown option '" + first + "'");
    return toolUsageError(commands, "unknown command '" + first + "'");
}

}  // namespace vantrelctl
