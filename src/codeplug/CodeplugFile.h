#pragma once
// The ".cpg" programmer data file: an identification line, then the 384 image
// bytes as decimal numbers, one per line (" 60 " CR LF).
#include <string>

#include "codeplug/CodeplugImage.h"
#include "codeplug/Identity.h"

namespace vantrel {

constexpr const char* kCodeplugFileId = "Vantrel programmer data file";

// The exact bytes of a data file holding image.
std::string FormatCodeplugFile(const CodeplugImage& image);

// Saves the image the way the radio's data file expects it. Before writing,
// bytes 11 and 12 get their fixed values 60 and 20 and SerialWriteEnable is
// cleared. When the image has no serial number (all ten bytes 0xFF), the
// serial-number box text (at most 10 characters, Latin-1) is written into the
// image and the file together, zero-padded; an empty box gives ten zero bytes.
// The caller stores the password box and re-encodes the user TPL tones first.
//
// The file is written to a temporary file beside path and renamed over it, so
// a failure leaves an existing file intact. Returns an empty string on success,
// otherwise a message naming the file and the reason; the serial-number bytes
// are then left as they were.
std::string CopyToFile(CodeplugImage& image, const std::string& serialBoxText, const std::string& path);

struct CodeplugFileLoad {
    enum class Status {
        Ok,
        CannotOpen,   // file missing or unreadable
        WrongType,    // first field is not the identification text
        BadContent,   // too few numbers, a value outside 0..255 or not a number
    };
    Status status = Status::Ok;
    std::string error;   // empty when Ok
    bool ok() const { return status == Status::Ok; }
};

// Reads a data file into the image. The first field must equal the
// identification text exactly (a UTF-8 byte-order mark before it is skipped);
// then 384 numbers follow, separated by line ends, commas or spaces. Only a
// regular file is read (a pipe, device or folder is refused at once), and one
// over 1 MiB is refused as too long. Anything that goes wrong leaves the
// image exactly as it was.
CodeplugFileLoad CopyToBox(CodeplugImage& image, const std::string& path);

// The same, from the file's contents.
CodeplugFileLoad ParseCodeplugFile(CodeplugImage& image, const std::string& contents, const std::string& path);

// Super-number entry: loads the row's default data file from folder (its first
// line is not checked) and sets ModelIndex to the row's index. A missing or
// damaged file leaves every other byte as it was, never half a file, and the
// result says why so that the user can be told.
CodeplugFileLoad LoadDefaultCodeplug(CodeplugImage& image, const DefaultFileRow& row, const std::string& folder);

}  // namespace vantrel
