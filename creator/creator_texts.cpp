#include "creator/creator_texts.h"

namespace qvx::creator {
std::wstring ReportLine(ReportKind kind, std::wstring_view path) {
  const wchar_t* lead = L"";
  switch (kind) {
    case ReportKind::Created: lead = L"Created: "; break;
    case ReportKind::NotCreated: lead = L"Not created: "; break;
    case ReportKind::Updated: lead = L"Updated: "; break;
    case ReportKind::FileInUse: lead = L"File in use: "; break;
    case ReportKind::NotUpdated: lead = L"Not updated: "; break;
    case ReportKind::NotDeleted: lead = L"Not deleted: "; break;
  }
  return lead + std::wstring(path);
}
} // namespace qvx::creator
