#include "main/settings_dialog/hotkey_capture.h"

#include "common/numbers.h"

namespace qvx {

int SwapModifiers(int value) {
  switch (value) {
    case 1: return 4;
    case 4: return 1;
    case 3: return 6;
    case 6: return 3;
    default: return value;
  }
}

Lines ReservedHotkeyRows() {
  return {L"2,123", L"3,123", L"2,122", L"3,119", L"0,113", L"0,118", L"3,123", L"2,114", L"0,114",
          L"3,121", L"2,117", L"3,117", L"0,120", L"0,112", L"2,67",  L"2,88",  L"2,86",  L"2,78",
          L"2,83",  L"2,68",  L"4,70",  L"4,76",  L"6,75",  L"4,81",  L"4,82",  L"4,83",  L"3,88",
          L"0,120", L"12,37", L"12,39", L"2,70",  L"3,221", L"3,219"};
}

bool RestrictedHotkey(const Lines& reservedRows, std::int16_t ShiftVal, std::int16_t KeyCodeVal) {
  for (const auto& row : reservedRows) {
    const auto comma = row.find(L',');
    const std::wstring_view text(row);
    const std::wstring_view before = comma == std::wstring::npos ? text : text.substr(0, comma);
    const std::wstring_view after = comma == std::wstring::npos ? std::wstring_view() : text.substr(comma + 1);
    const long mod = RoundHalfEven(LeadingNumber(before));
    const long key = RoundHalfEven(LeadingNumber(after));
    if (key == KeyCodeVal && mod == ShiftVal) return true;
  }
  return false;
}

} // namespace qvx
