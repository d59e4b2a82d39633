#pragma once
// Reading and writing .cpg data files for read, simulate, export and import.
// Saving writes the image's bytes exactly as they are, atomically.
#include <string>

#include "codeplug/AppState.h"
#include "codeplug/CodeplugImage.h"

namespace vantrelctl {

// Loads a data file; false with a reason in error when it cannot be used.
bool LoadCpg(vantrel::CodeplugImage& image, const std::string& path, std::string& error);

// LoadCpg, then the band facts the editor's population derives from the
// image, so that channels decode as the grid shows them.
bool LoadCpgWithBand(vantrel::AppState& state, const std::string& path, std::string& error);

// Writes the image unchanged to a temporary file beside path, then renames it
// over path: a failure leaves no file and no change. False with a reason.
bool SaveCpgExactly(const vantrel::CodeplugImage& image, const std::string& path, std::string& error);

}  // namespace vantrelctl
