#pragma once
// The creator's work on the file system: listing a directory, removing old versions, making
// a new instance and replacing the program of an existing one.
#include <string>
#include <vector>

#include "creator/creator_texts.h"
#include "creator/exe_versions.h"

namespace qvx::creator {


// The process's current directory; empty when it cannot be read.
std::wstring CurrentDirectory();

// Every entry of a directory but "." and ".."; empty when it cannot be listed.
std::vector<DirectoryEntry> ListDirectory(const std::wstring& directory);

enum class DeleteResult { Deleted, InUse, OtherError };

// Deletes one file. InUse when the file is held open, is a running program, or may not be
// removed (read-only, no rights); OtherError for everything else (for example: not there).
DeleteResult DeleteProgramFile(const std::wstring& path);

// Makes the instance directory and copies the program into it as exeName. On failure nothing
// is left behind: a directory made here is removed again. Returns true when both exist.
bool MakeInstance(const std::wstring& instanceDirectory, const std::wstring& masterExePath, const std::wstring& exeName);

struct ProgramReplacement {
  ReportKind outcome;                    // Updated, FileInUse or NotUpdated
  std::vector<std::wstring> notDeleted;  // Updated only: older program files still there
};

// Gives an instance the master's program, never leaving it without one:
// 1. the new version is copied in under a temporary name (failure: NotUpdated);
// 2. every "Quorv*.exe" of the instance is opened exclusively for writing and deleting; one
//    that cannot be (a running program, open elsewhere, read-only, no rights) leaves the
//    instance as it was (FileInUse);
// 3. the copy takes its name, replacing a file of that name in one step (failure: NotUpdated);
// 4. only then are the other old versions deleted, through the handles that hold them, each
//    deletion checked: a file that stays is listed in notDeleted.
// Nothing but the instance's "Quorv*.exe" files and the temporary copy is touched.
ProgramReplacement ReplaceInstanceProgram(const std::wstring& instanceDirectory, const std::wstring& masterExePath,
                                          const std::wstring& exeName);

} // namespace qvx::creator
