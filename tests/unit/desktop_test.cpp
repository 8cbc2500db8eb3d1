#include <gtest/gtest.h>

#include <map>
#include <tuple>
#include <vector>

#include "main/desktop/hotkey_repeats.h"
#include "main/desktop/desktop_texts.h"
#include "main/desktop/hotkey_pass.h"
#include "main/desktop/tray_callback.h"
#include "main/desktop/window_reuse.h"

using namespace qvx;

TEST(TrayTip, TooltipOrProductNameThenTheHintCutToTheField) {
  EXPECT_EQ(TrayTipText(L""), L"Quorvex - Right Click for Menu");
  EXPECT_EQ(TrayTipText(L"Mail"), L"Mail - Right Click for Menu");
  const std::wstring forty(40, L'x');
  EXPECT_EQ(TrayTipText(forty), forty + L" - Right Click for Menu");  // 63 characters fit whole
  EXPECT_EQ(TrayTipText(std::wstring(80, L'y')).size(), 63u);        // cut, room left for the NUL
}

namespace {
// A stand-in for RegisterHotKey that refuses combinations already taken, as Windows does.
struct FakeRegistry {
  std::map<std::pair<unsigned, unsigned>, int> taken;
  std::vector<int> calls;
  RegisterHotkeyFn Fn() {
    return [this](int id, unsigned modifiers, unsigned key) {
      calls.push_back(id);
      return taken.emplace(std::make_pair(modifiers, key), id).second;
    };
  }
};
} // namespace

TEST(HotkeyPass, RegistersEnabledHotkeysInOrderAndCountsFailuresThatHaveAKey) {
  FakeRegistry held;
  held.taken[{3, 74}] = 99;
  EXPECT_EQ(RunHotkeyPass({3, 74, true, 3, 74, true}, held.Fn()), 2);

  FakeRegistry registry;  // one combination for both: the second fails
  EXPECT_EQ(RunHotkeyPass({3, 74, true, 3, 74, true}, registry.Fn()), 1);
  EXPECT_EQ(registry.calls, (std::vector<int>{kLaunchHotkeyId, kToggleHotkeyId}));

  FakeRegistry refusesAll;
  refusesAll.taken[{3, 0}] = 99;
  EXPECT_EQ(RunHotkeyPass({3, 0, true, 0, 0, false}, refusesAll.Fn()), 0);  // keyless
  EXPECT_EQ(refusesAll.calls, std::vector<int>{kLaunchHotkeyId});          // still attempted; the disabled one not
}

TEST(TrayCallback, VersionFourAndTheOlderFormBothToggleAndOpenTheMenu) {
  constexpr std::uint32_t id = 0x00410000 | 0x1234;  // only the low word travels in version 4
  const auto v4 = [&](unsigned event, unsigned iconWord, std::uintptr_t point = 0) {
    return DecodeTrayCallback(true, id, point, static_cast<std::intptr_t>((iconWord << 16) | event));
  };
  EXPECT_EQ(v4(0x400, 0x1234).request, TrayRequest::Toggle);  // NIN_SELECT
  EXPECT_EQ(v4(0x401, 0x1234).request, TrayRequest::Toggle);  // NIN_KEYSELECT
  const TrayCallback menu = v4(0x7B, 0x1234, 0xFFF6'0064);  // WM_CONTEXTMENU at (100, -10)
  EXPECT_EQ(std::tuple(menu.request, menu.hasPoint, menu.x, menu.y), std::tuple(TrayRequest::Menu, true, 100, -10));
  EXPECT_EQ(v4(0x400, 0x9999).request, TrayRequest::None);  // another icon's
  EXPECT_EQ(v4(0x202, 0x1234).request, TrayRequest::None);  // a plain mouse message means nothing in version 4

  // The shell refused version 4: the id in wParam, the mouse message in lParam.
  EXPECT_EQ(DecodeTrayCallback(false, id, id, 0x202).request, TrayRequest::Toggle);  // WM_LBUTTONUP
  const TrayCallback oldMenu = DecodeTrayCallback(false, id, id, 0x205);             // WM_RBUTTONUP
  EXPECT_EQ(std::tuple(oldMenu.request, oldMenu.hasPoint), std::tuple(TrayRequest::Menu, false));
  EXPECT_EQ(DecodeTrayCallback(false, id, id, 0x201).request, TrayRequest::None);  // button down
  EXPECT_EQ(DecodeTrayCallback(false, id, id + 1, 0x202).request, TrayRequest::None);
}

TEST(WindowReuse, OnlyTheNumberOneOrATextThatIsWhollyThatNumber) {
  EXPECT_TRUE(IsWindowReuseOn(RegValue{std::int32_t{1}}));
  EXPECT_FALSE(IsWindowReuseOn(RegValue{std::int32_t{-1}}));
  for (const wchar_t* on : {L"1", L" 1.0 ", L"+1", L"10e-1"}) EXPECT_TRUE(IsWindowReuseOn(RegValue{on})) << on;
  for (const wchar_t* off : {L"", L"yes", L"1x", L"1e", L"1-", L"2", L".", L"0.5"}) {
    EXPECT_FALSE(IsWindowReuseOn(RegValue{off})) << off;
  }
}

TEST(HotkeyRepeats, AHeldCombinationIsOnePressUntilItsKeyIsSeenUp) {
  for (const qvx::HotkeyRepeats::Tick start : {1000u, 0xFFFFFF00u}) {  // also across the tick count's wrap
    qvx::HotkeyRepeats repeats;
    EXPECT_TRUE(repeats.IsNewPress(1, start));
    EXPECT_FALSE(repeats.IsNewPress(1, start + 500)) << "auto-repeat while held";
    EXPECT_TRUE(repeats.IsNewPress(0, start + 510)) << "the other hotkey is a press of its own";
    repeats.KeyUp(1, start + 800);
    EXPECT_FALSE(repeats.IsHeld(1));
    EXPECT_FALSE(repeats.IsNewPress(1, start + 790)) << "a repeat sent before the key-up, handled after it";
    EXPECT_TRUE(repeats.IsNewPress(1, start + 900));
    EXPECT_TRUE(repeats.AnyHeld());
  }
}
