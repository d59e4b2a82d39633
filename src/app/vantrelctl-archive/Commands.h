#pragma once
// vantrelctl-archive's sub-commands and what they share: the archive the
// user chose, opened, and an entry named on the command line.
#include <memory>
#include <optional>
#include <string>

#include "archive/ArchiveStore.h"
#include "cli/ArchiveCommands.h"
#include "codeplug/CodeplugImage.h"

namespace vantrelctl {

// The archive VANTREL_ARCHIVE or the settings name; nullptr after saying
// why not. A shared archive that answers first takes the entries kept
// locally while it was down.
std::unique_ptr<vantrel::archive::ArchiveStore> OpenChosenArchive();

// The entry named by `text`; nullopt after saying why not (`exit` tells
// how: 2 for a malformed id, 1 for a missing entry).
std::optional<vantrel::archive::ArchiveEntry> EntryNamed(vantrel::archive::ArchiveStore& store,
                                                          const CommandSpec& command, const std::string& text,
                                                          int& exit);

// An entry's image as image bytes; nullopt after saying why it has none or
// why it cannot be trusted.
std::optional<vantrel::CodeplugImage::Bytes> ImageOf(const vantrel::archive::ArchiveEntry& entry);

// "2026-12-11 05:35:38" (UTC).
std::string TimeText(const QDateTime& time);
// "42 (radio A1234, read, 2026-12-11 05:35:38)": for headings and labels.
std::string EntryLabel(const vantrel::archive::ArchiveEntry& entry);

// The members of an entry's JSON object that list and show print.
std::string EntryJsonMembers(const vantrel::archive::ArchiveEntry& entry);

int ArchiveRadios(int argc, char** argv);
int ArchiveList(int argc, char** argv);
int ArchiveShow(int argc, char** argv);
int ArchiveGet(int argc, char** argv);
int ArchiveDiff(int argc, char** argv);
int ArchiveCheck(int argc, char** argv);

}  // namespace vantrelctl
