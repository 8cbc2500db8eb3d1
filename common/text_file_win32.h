#pragma once
// Reading and replacing the single-byte (ANSI) text files that both programs keep.
#include <optional>
#include <string>

#include "common/text_lines.h"

namespace qvx {

// All lines of a text file; empty when the file cannot be opened or read.
std::optional<Lines> ReadTextFileLines(const std::wstring& path);

// Replaces the file with the lines, each ended by CR LF, atomically: a temporary file in the
// same directory is written and flushed, then moved over the target. On any failure the old
// file is left as it was, the temporary file is removed and false is returned.
bool WriteTextFileAtomically(const std::wstring& path, const Lines& lines);

// True when a file (not a directory) exists at the path.
bool FileExists(const std::wstring& path);

} // namespace qvx
