#pragma once
// The conventions every vantrelctl command shares. Each command describes its
// options in a table; one parser reads them, prints the command's help on
// standard output (exit 0) and names whatever it does not understand on
// standard error (exit 2). Failures print "vantrelctl: " and the reason
// (exit 1).
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace vantrelctl {

constexpr const char* kProgram = "vantrelctl";
constexpr int kExitFailure = 1;
constexpr int kExitUsage = 2;

struct OptionSpec {
    const char* name;         // "--port", "-o"
    const char* value;        // what the value stands for ("DEVICE"); nullptr for a switch
    const char* help;
    bool required = false;
};

struct CommandSpec {
    const char* name;                 // "show", or two words: "fleet write"
    const char* operands;             // "FILE.cpg", "" for none
    int operandCount;                 // exactly this many operands
    const char* summary;              // one sentence for the command list
    std::vector<OptionSpec> options;
    int operandMax = -1;              // more operands allowed up to this many; -1: operandCount
};

// What a command was given, options in command-line order.
class Args {
public:
    bool has(const std::string& option) const;
    // The last value given for the option, "" when absent.
    std::string value(const std::string& option) const;
    const std::vector<std::pair<std::string, std::string>>& options() const { return options_; }
    const std::vector<std::string>& operands() const { return operands_; }

private:
    friend std::optional<int> ParseCommand(const CommandSpec&, int, char**, Args&);
    std::vector<std::pair<std::string, std::string>> options_;   // name, value ("" for a switch)
    std::vector<std::string> operands_;
};

// How many words the command's name has (1, or 2 for "fleet write"): its
// run function gets them all as argv[0..words).
int NameWords(const CommandSpec& cmd);

// Reads argv[1..argc) of a command (argv[0] is its name) into `args`. Returns
// the exit code when the command ends here: 0 after --help, 2 after a usage
// error; nothing when the command should run. "--name=value" and "--" work.
// A two-word command's argv begins with both words.
std::optional<int> ParseCommand(const CommandSpec& cmd, int argc, char** argv, Args& args);

// "vantrelctl show FILE.cpg [--json]": the command's one-line synopsis.
std::string Synopsis(const CommandSpec& cmd);

// Prints "vantrelctl: <message>" on standard error and returns 1.
int Fail(const std::string& message);
// A usage error about the command: the message, then its synopsis; returns 2.
int UsageError(const CommandSpec& cmd, const std::string& message);

// The system's text for an errno value.
std::string SystemError(int error);

// Why a file could not be written at `path` (its folder missing or not
// writable, a folder, pipe, device or symbolic link in its place, the file
// read-only); empty when it could. With streamAllowed, "-", a pipe or a
// character device is an output too. Asked before work that would be lost
// if the save failed.
std::string CannotWrite(const std::string& path, bool streamAllowed = false);

// The top level: --help, --version, or the named command's `run`.
struct Command {
    const CommandSpec* cmd;
    int (*run)(int argc, char** argv);
};
int RunCommandLine(const std::vector<Command>& commands, int argc, char** argv);

}  // namespace vantrelctl
