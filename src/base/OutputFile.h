#pragma once
// Outputs that are not data files: a command's channel list or report, and a
// trace of the line. A channel list or a report may also go into a stream
// (standard output as "-", a pipe, a terminal, a device); a plain file is
// written as data files are, all or nothing. A stream is opened without
// blocking, so a pipe that nothing reads is refused at once instead of
// hanging the program, and its open follows a symbolic link the way any
// open does, so the system's protections for links apply.
#include <string>

namespace vantrel {

constexpr const char* kStandardOutput = "-";

// Writes contents to path: "-", a pipe or a device as a stream, a folder
// refused, anything else through WriteFileAtomically. False with the reason.
bool WriteOutput(const std::string& path, const std::string& contents, std::string* error = nullptr);

// Why nothing could be written at path before any work is done (its folder
// missing or not writable, the file read-only, a folder in its place); empty
// when it could. A pipe or a device counts as writable when streams are
// allowed, and is refused with its reason otherwise.
std::string OutputProblem(const std::string& path, bool streamAllowed);

// Opens a private output for appending text as it comes (a trace): a new or
// existing plain file is made owner-only (0600) and emptied; a pipe or a
// device is written into. Returns the descriptor, or -1 with the reason.
int OpenPrivateStream(const std::string& path, std::string& error);

// True when both paths name one file: the same file on disk, or, where
// either is missing, the same place.
bool SameFile(const std::string& a, const std::string& b);

}  // namespace vantrel
