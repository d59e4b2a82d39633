#pragma once
// Page files: every preview page is kept as "PPview" + index + ".bmp" in a
// folder of the program's own inside a private per-user folder that only its
// owner can enter, so nobody else can read the pages or plant a link that
// redirects a write, and two programs never touch each other's pages.
#include <string>

namespace vantrel::report {

// The folder for this user's page files under `parent`, created with mode
// 0700 when missing. An existing entry is used only when it is a real folder
// (not a link) owned by this user with no access for others; otherwise the
// result is empty and nothing gets written.
std::string PrivatePageFolder(const std::string& parent);

// This process's folder (named by its process id, mode 0700) inside
// PrivatePageFolder under $XDG_RUNTIME_DIR, else $TMPDIR, else /tmp; created
// when missing, empty when it cannot be made private.
std::string PrivatePageFolder();

// folder + "/PPview" + index + ".bmp"; empty when the folder is empty.
std::string PageFilePath(const std::string& folder, int index);

// Writes a page file: an old file of that name is removed first and the new
// one is created afresh, owner-only, never through a link planted in its
// place. False when it cannot be written.
bool WritePageFile(const std::string& path, const std::string& bytes);

// True for names "PPview*.bmp".
bool IsPageFileName(const std::string& name);

// Deletes every page file in the folder, each tried once: a file that cannot
// be deleted is left behind; then the folder itself when nothing is left in
// it. Returns the number of page files left.
int DeletePageFiles(const std::string& folder);

}  // namespace vantrel::report
