#pragma once
// Every text of the creator that a user reads: captions, messages and report lines.
#include <string>
#include <string_view>

namespace qvx::creator {

inline constexpr wchar_t kWindowCaption[] = L"Quorvex Multi-Instance Creator";
inline constexpr wchar_t kMessageTitle[] = L"Quorvex";
inline constexpr wchar_t kApplicationTitle[] = L"QVXMulti";

inline constexpr wchar_t kRunFromMasterMessage[] =
    L"Quorvex Multi-Instance Creator must be run\r\nfrom the Quorvex Master (Installation) Directory";
inline constexpr wchar_t kAlreadyRunningMessage[] = L"You already have Quorvex\r\nMulti-Instance Creator running.";
inline constexpr wchar_t kDeleteOlderVersionsQuestion[] =
    L"You have more than one Quorvex EXE file version in the\r\n"
    L"master directory. It is recommended that all Quorvex EXE\r\n"
    L"versions be deleted except the most recent one.\r\n"
    L"Do this automatically now?";
inline constexpr wchar_t kCouldNotDeleteMessage[] = L"Could not Delete.\r\nFile(s) in use.\r\nPlease close first.";
inline constexpr wchar_t kCannotFindExeMessage[] =
    L"Cannot find Quorvex exe file.\r\nIt needs to be in the current directory\r\nso that it may be copied for\r\n"
    L"creation of your new instances.";
inline constexpr wchar_t kSixInstancesMessage[] = L"You already have 6 Quorvex instances!";

inline constexpr wchar_t kNoInstancesToUpdateLine[] = L"No multiple instances to update";

// The report lines of the list, one per instance directory.
enum class ReportKind {
  Created,     // the directory and its copy of the program exist
  NotCreated,  // making the directory or copying the program failed; nothing is left behind
  Updated,     // the instance runs the most recent version now
  FileInUse,   // a program file of the instance could not be removed; the instance is as it was
  NotUpdated,  // the new version could not be copied in; the instance is as it was
  NotDeleted,  // the new version is in, but this older program file (the path given) is still there
};

// The line for an instance directory (for NotDeleted: for the file left behind).
std::wstring ReportLine(ReportKind kind, std::wstring_view path);

} // namespace qvx::creator
