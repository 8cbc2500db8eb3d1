#include "main/desktop/desktop_texts.h"

#include "common/decimal.h"

namespace qvx {

std::wstring TrayTipText(std::wstring_view trayTooltip) {
  std::wstring tip = trayTooltip.empty() ? std::wstring(L"Quorvex") : std::wstring(trayTooltip);
  tip += L" - Right Click for Menu";
  if (tip.size() > kTrayTipField - 1) tip.resize(kTrayTipField - 1);
  return tip;
}

std::wstring HotkeyWarningText(int failCount) {
  return L"Can not register " + DecimalText(failCount) + L" Hotkeys.\r\n" +
         L"Duplicate keys may be assigned or keys\r\n" + L"registered by other running applications.";
}

std::wstring WindowReuseInformationText() {
  return L"Please note you will NOT be able to open multiple browser instances of the same web "
         L"site/application by pressing Quorvex's 'Launch New' hotkey or clicking on the 'Open New "
         L"Instance' menu option - doing so will simply reopen your web site/application in its existing "
         L"browser window.\r\n\r\n"
         L"The reason for this is that you have the checkbox 'Reuse windows for launching shortcuts' ticked "
         L"under the 'Advanced' Tab of your IE browser's 'Internet Properties/Options' settings.\r\n\r\n"
         L"This information appears in ReadMe.txt, for your future reference.";
}

} // namespace qvx
