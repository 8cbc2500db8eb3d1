#include "creator/instance_files_win32.h"

#include <windows.h>

#include "common/paths.h"
#include "common/scoped_win32.h"

namespace qvx::creator {

namespace {
bool SameFileName(const std::wstring& a, const std::wstring& b) {
  return CompareStringOrdinal(a.c_str(), static_cast<int>(a.size()), b.c_str(), static_cast<int>(b.size()), TRUE) ==
         CSTR_EQUAL;
}

bool IsRemovalRefusal(DWORD error) {
  return error == ERROR_ACCESS_DENIED || error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION;
}

void CloseFind(HANDLE find) { FindClose(find); }
using ScopedFind = Scoped<HANDLE, CloseFind>;

// Exclusive handles on an instance's program files: while held, no one else can open, run or
// remove them, so what is decided about them stays true until they are deleted or let go.
class HeldFiles {
 public:
  // False when the file exists but cannot be held for removal. Write access is asked for
  // though nothing is written: it is what a running program's file refuses (delete access
  // alone is granted for it under Wine), as do read-only files and files others have open.
  bool Hold(const std::wstring& path) {
    ScopedFile file(
        CreateFileW(path.c_str(), GENERIC_WRITE | DELETE, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return GetLastError() == ERROR_FILE_NOT_FOUND;
    files_.push_back({path, std::move(file)});
    return true;
  }

  void Release(const std::wstring& path) {
    for (auto& held : files_) {
      if (SameFileName(held.path, path)) held.file.Reset();
    }
  }

  // Deletes every file still held, through its own handle (the file goes when the handle
  // closes). Returns the files whose deletion was refused.
  std::vector<std::wstring> DeleteAll() {
    std::vector<std::wstring> refused;
    for (auto& held : files_) {
      if (!held.file) continue;
      FILE_DISPOSITION_INFO disposition{};
      disposition.DeleteFile = TRUE;
      const bool marked =
          SetFileInformationByHandle(held.file.Get(), FileDispositionInfo, &disposition, sizeof disposition);
      held.file.Reset();
      if (!marked || GetFileAttributesW(held.path.c_str()) != INVALID_FILE_ATTRIBUTES) refused.push_back(held.path);
    }
    return refused;
  }

 private:
  struct Held {
    std::wstring path;
    ScopedFile file;
  };
  std::vector<Held> files_;
};
} // namespace

std::wstring CurrentDirectory() {
  const DWORD size = GetCurrentDirectoryW(0, nullptr);  // with the terminating NUL
  std::wstring directory(size, L'\0');
  const DWORD length = size ? GetCurrentDirectoryW(size, directory.data()) : 0;
  directory.resize(length < size ? length : 0);  // a directory changed meanwhile reads as none
  return directory;
}

std::vector<DirectoryEntry> ListDirectory(const std::wstring& directory) {
  std::vector<DirectoryEntry> entries;
  WIN32_FIND_DATAW data;
  ScopedFind find(FindFirstFileW(JoinPath(directory, L"*").c_str(), &data));
  if (find.Get() == INVALID_HANDLE_VALUE) {
    find.Release();
    return entries;
  }
  do {
    const std::wstring name = data.cFileName;
    if (name == L"." || name == L"..") continue;
    entries.push_back({name, (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0});
  } while (FindNextFileW(find.Get(), &data));
  return entries;
}

DeleteResult DeleteProgramFile(const std::wstring& path) {
  if (DeleteFileW(path.c_str())) return DeleteResult::Deleted;
  return IsRemovalRefusal(GetLastError()) ? DeleteResult::InUse : DeleteResult::OtherError;
}

bool MakeInstance(const std::wstring& instanceDirectory, const std::wstring& masterExePath, const std::wstring& exeName) {
  if (!CreateDirectoryW(instanceDirectory.c_str(), nullptr)) return false;
  if (CopyFileW(masterExePath.c_str(), JoinPath(instanceDirectory, exeName).c_str(), TRUE)) return true;
  RemoveDirectoryW(instanceDirectory.c_str());  // made just now, so still empty
  return false;
}

ProgramReplacement ReplaceInstanceProgram(const std::wstring& instanceDirectory, const std::wstring& masterExePath,
                                          const std::wstring& exeName) {
  const std::wstring incoming = JoinPath(instanceDirectory, IncomingCopyName(exeName));
  if (!CopyFileW(masterExePath.c_str(), incoming.c_str(), FALSE)) {
    DeleteFileW(incoming.c_str());
    return {ReportKind::NotUpdated, {}};
  }

  HeldFiles held;
  for (const auto& entry : ListDirectory(instanceDirectory)) {
    if (entry.isDirectory || !MatchesProgramPattern(entry.name)) continue;
    if (!held.Hold(JoinPath(instanceDirectory, entry.name))) {
      DeleteFileW(incoming.c_str());
      return {ReportKind::FileInUse, {}};
    }
  }

  // A file that already bears the new name is replaced in one step, so it is let go first.
  const std::wstring target = JoinPath(instanceDirectory, exeName);
  held.Release(target);
  if (!MoveFileExW(incoming.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    DeleteFileW(incoming.c_str());
    return {ReportKind::NotUpdated, {}};
  }
  return {ReportKind::Updated, held.DeleteAll()};
}

} // namespace qvx::creator
