#pragma once
// Every text of the settings dialog that is set from code: tooltips and messages. Captions and
// labels are in resources/settings_dialog.rc.
namespace qvx {

inline constexpr wchar_t kQuorvexTitle[] = L"Quorvex";

// Tooltips of the boxes.
inline constexpr wchar_t kUrlKeywordTip[] =
    L"Domain Name, or word which appears in URL string of every page of the site defined by 'Launch URL'";
inline constexpr wchar_t kBrowserTextKeywordTip[] =
    L"A word which always appears in the text at the top of the browser window, when pages of the "
    L"site defined by 'Launch URL' are open";
inline constexpr wchar_t kTooltipTip[] = L"Text to identify icon, when you mouse over the icon in system tray";
inline constexpr wchar_t kLaunchHotkeyTip[] = L"Starts browser session with page defined by 'Launch URL'";
inline constexpr wchar_t kToggleHotkeyTip[] =
    L"Toggles between browser instances with pages from the site defined by 'Launch URL'";

// Ticking "Enabled" on a reserved combination (exclamation icon).
inline constexpr wchar_t kReservedHotkeyText[] =
    L"This Hotkey combination is reserved\r\nfor use by other applications.";

// Shortcut steps (information icon).
inline constexpr wchar_t kProgramsNameMissingText[] =
    L"Unable to create Program-Files Shortcut.\r\nShortcut name is missing.\r\nAny existing Shortcut\r\n"
    L"will be deleted.";
inline constexpr wchar_t kAutoStartNameMissingText[] =
    L"Unable to create Auto-Start Shortcut.\r\nShortcut name is missing.\r\n"
    L"Any existing Auto-Start Shortcut\r\nwill be deleted.";
inline constexpr wchar_t kProgramsFailedText[] = L"Unable to create Program-Files Shortcut.";
inline constexpr wchar_t kAutoStartFailedText[] = L"Unable to create Auto-Start Shortcut.";
// A tooltip that cannot serve as a file name.
inline constexpr wchar_t kProgramsBadNameText[] =
    L"Unable to create Program-Files Shortcut: the ToolTip cannot be used as a file name.";
inline constexpr wchar_t kAutoStartBadNameText[] =
    L"Unable to create Auto-Start Shortcut: the ToolTip cannot be used as a file name.";

// Closing could not write a settings file (exclamation icon).
inline constexpr wchar_t kSaveFailedText[] =
    L"The settings could not be saved.\r\nThe program's directory may not be writable.";

// Closing met text the single-byte settings file cannot hold (exclamation icon): the intro,
// one line per box (names in the order of TextBox), the outro.
inline constexpr wchar_t kRefusedTextIntro[] = L"The settings file cannot store some characters typed in:";
inline constexpr const wchar_t* kTextBoxNames[] = {L"Launch URL", L"URL Keyword", L"Browser Text Keyword",
                                                   L"ToolTip"};
inline constexpr wchar_t kRefusedTextOutro[] = L"The previous text of these boxes was kept.";

} // namespace qvx
