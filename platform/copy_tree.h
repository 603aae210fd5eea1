// Copies a directory tree, for a first start that makes its own installation from the
// shipped one.
#pragma once

#include <string>

namespace platform {

// Copies every file and folder below `from` into `to` (created when missing), replacing
// files that are there already, and copies the file `lastFile` (relative to `from`) last and
// atomically: a copy cut off half-way lacks that file, so the next start sees no finished
// copy and copies again. Files keep their read and write bits for the owner whatever the
// source had (shipped data is read-only). Returns false when anything could not be copied.
bool CopyDirectoryTree(const std::string& from, const std::string& to, const std::string& lastFile);

// Creates a directory and its missing parents; true when it exists afterwards.
bool MakeDirectories(const std::string& path);

}  // namespace platform
