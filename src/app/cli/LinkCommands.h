#pragma once
// The commands that talk to a serial port. vantrelctl checks their arguments
// (and answers --help) before it runs vantrelctl-link, which holds the serial
// layer and Qt, so that no other command loads them.
#include "cli/CommandLine.h"

namespace vantrelctl {

inline const CommandSpec kReadCommand{
    "read", "", 0, "Reads the radio's codeplug into a data file.",
    {
        {"--port", "DEVICE", "the radio's serial device, or Com1..Com8", true},
        {"-o", "FILE.cpg", "the data file to write; it is replaced only after a complete read", true},
        {"--trace", "FILE", "log every byte on the line, with its time and step, into FILE"},
    }};

inline const CommandSpec kWriteCommand{
    "write", "FILE.cpg", 1, "Writes a data file into the radio, as Open then Write in the editor would.",
    {
        {"--port", "DEVICE", "the radio's serial device, or Com1..Com8", true},
        {"--password", "TEXT", "answer to a protected radio's password question (else asked on the terminal)"},
        {"--verify", nullptr, "read the radio back afterwards and compare every byte"},
        {"--trace", "FILE", "log every byte on the line, with its time and step, into FILE"},
    }};

inline const CommandSpec kSimulateCommand{
    "simulate", "", 0,
    "Plays a radio (or a fleet of them) in programming mode on pseudo-terminals until SIGTERM or SIGINT.",
    {
        {"--image", "FILE.cpg", "the radio's codeplug; with --count give it once per radio (the last serves the rest)",
         true},
        {"--link", "PATH", "the link to create to the pseudo-terminal (the program's port)", true},
        {"--count", "N", "N radios (1..64) on PATH1..PATHN, each with a serial number of its own"},
        {"--reaction", "MS", "delay before each answer (default 10; 0 answers at once)"},
        {"--pace", nullptr, "bytes take 11 bit times at 1200 baud, both directions"},
        {"--echo", nullptr, "every program byte comes back, as on a single-wire cable"},
        {"--echo-delay", "MS", "the echo comes this much later, as through a USB adapter (implies --echo)"},
        {"--identity", "BYTE", "identity answered to a read or a write (default 0x31)"},
        {"--bad-checksum", "BLK:N", "block BLK goes out with a wrong checksum N times"},
        {"--silent-at", "N", "the N-th answer (1 = identity) and all later ones are not sent"},
        {"--version-first", "BYTE", "first byte of the version answer instead of 0x4F"},
        {"--radio-password", "TEXT", "the password the radio reports to a write"},
        {"--target", "BYTE|auto", "answer to the write's target check (default auto: from the radio's image)"},
        {"--target-busy", "N", "answer the target check as busy (0x46) N times first"},
        {"--refuse-block", "BLK:N", "ask for a correctly written block again N times"},
        {"--junk-before", "N:BYTE", "a byte of noise on the line just before the N-th answer (1 = identity)"},
        {"--junk-after", "N:BYTE", "a byte of noise on the line just after the N-th answer"},
        {"--save", "FILE.cpg", "store the radio's image there after each write (with --count: FILE1.cpg, ...)"},
    }};

inline const CommandSpec kFleetWriteCommand{
    "fleet write", "FILE.cpg", 1,
    "Writes one data file into many radios at once, one cable each; every radio keeps its own serial number.",
    {
        {"--port", "P", "a radio's serial device or Com1..Com8; give it once per radio, or 'all' for every Com "
                        "port with a device", true},
        {"--verify", nullptr, "read every radio back afterwards and compare every byte"},
        {"--password", "TEXT", "answer to the radios that ask for their password"},
        {"--json", nullptr, "print the results as JSON"},
    }};

inline const CommandSpec kFleetReadCommand{
    "fleet read", "", 0, "Reads many radios at once into DIR/<serial number>.cpg, one cable each.",
    {
        {"--port", "P", "a radio's serial device or Com1..Com8; give it once per radio, or 'all' for every Com "
                        "port with a device", true},
        {"-o", "DIR", "the folder for the data files (the port's name where a radio has no serial number)", true},
        {"--json", nullptr, "print the results as JSON"},
    }};

inline const CommandSpec kPortsCommand{
    "ports", "", 0,
    "Lists Com1..Com8 with the device behind each, its USB description and whether you may open it.",
    {}};

// The name of the program that runs them, installed beside vantrelctl or in
// the package's libexec folder.
constexpr const char* kLinkProgram = "vantrelctl-link";

}  // namespace vantrelctl
