#pragma once
// `vantrelctl report`: vantrelctl checks the arguments (and answers --help)
// before it runs vantrelctl-report, which parses them again and prints.
#include "cli/CommandLine.h"

namespace vantrelctl {

inline const CommandSpec kReportCommand{
    "report", "FILE.cpg", 1, "Prints the codeplug report of a data file into a PDF, as File > Print would.",
    {
        {"-o", "REPORT.pdf", "the PDF to write", true},
        {"--twips", nullptr, "lay the report out in twips, as printed before any preview (default: inches)"},
        {"--page", "PAGE.bmp", "also keep the preview page as an image (.png, .jpg...; a bitmap otherwise)"},
    }};

// The name of the program that prints, installed beside vantrelctl or in
// the package's libexec folder.
constexpr const char* kReportProgram = "vantrelctl-report";

}  // namespace vantrelctl
