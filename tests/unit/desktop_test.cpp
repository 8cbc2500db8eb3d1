#include <gtest/gtest.h>

#include <map>
#include <vector>

#include "main/desktop/desktop_texts.h"
#include "main/desktop/hotkey_pass.h"
#include "main/desktop/window_reuse.h"

using namespace qvx;

TEST(TrayTip, TooltipOrProductNameThenTheHint) {
  EXPECT_EQ(TrayTipText(L""), L"Quorvex - Right Click for Menu");
  EXPECT_EQ(TrayTipText(L"Mail"), L"Mail - Right Click for Menu");
  EXPECT_EQ(TrayTipText(L"Mail").size(), 27u);
  const std::wstring thirty(30, L'x');
  EXPECT_EQ(TrayTipText(thirty), thirty + L" - Right Click for Menu");  // 53 characters fit whole
  EXPECT_EQ(TrayTipText(std::wstring(80, L'y')).size(), 63u);          // cut, room left for the NUL
}

TEST(HotkeyWarning, CountWithoutBlankAndAlwaysPlural) {
  EXPECT_EQ(HotkeyWarningText(1),
            L"Can not register 1 Hotkeys.\r\nDuplicate keys may be assigned or keys\r\n"
            L"registered by other running applications.");
  EXPECT_EQ(HotkeyWarningText(2).substr(0, 27), L"Can not register 2 Hotkeys.");
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
HotkeyFileValues Values(int lm, int lk, bool le, int tm, int tk, bool te) {
  return {static_cast<std::int16_t>(lm), static_cast<std::int16_t>(lk), le,
          static_cast<std::int16_t>(tm), static_cast<std::int16_t>(tk), te};
}
} // namespace

TEST(HotkeyPass, CountsEachEnabledHotkeyThatFailsAndHasAKey) {
  FakeRegistry held;
  held.taken[{3, 74}] = 99;
  held.taken[{3, 75}] = 99;
  SharedState state;
  EXPECT_EQ(RunHotkeyPass(Values(3, 74, true, 3, 75, true), state, held.Fn()), 2);
  EXPECT_FALSE(state.LaunchHotkeyRegistered);
  EXPECT_FALSE(state.ToggleHotkeyRegistered);
  EXPECT_EQ(state.ToggleHotkeyKey, 75);
}

TEST(HotkeyPass, SameCombinationTwiceFailsOnceAndKeyZeroIsNotCounted) {
  FakeRegistry registry;
  SharedState state;
  EXPECT_EQ(RunHotkeyPass(Values(3, 74, true, 3, 74, true), state, registry.Fn()), 1);
  EXPECT_TRUE(state.LaunchHotkeyRegistered);
  EXPECT_FALSE(state.ToggleHotkeyRegistered);

  FakeRegistry refusesAll;
  refusesAll.taken[{3, 0}] = 99;
  SharedState keyless;
  EXPECT_EQ(RunHotkeyPass(Values(3, 0, true, 0, 0, false), keyless, refusesAll.Fn()), 0);
  EXPECT_EQ(refusesAll.calls, std::vector<int>{0});  // still attempted
}

TEST(HotkeyPass, ADisabledHotkeyIsNotRegisteredAndKeepsItsFlag) {
  FakeRegistry registry;
  SharedState state;
  state.LaunchHotkeyRegistered = true;  // from an earlier pass
  RunHotkeyPass(Values(2, 65, false, 2, 66, true), state, registry.Fn());
  EXPECT_EQ(registry.calls, std::vector<int>{1});
  EXPECT_TRUE(state.LaunchHotkeyRegistered);
  EXPECT_EQ(state.LaunchHotkeyKey, 65);  // the fields follow the file all the same
}

TEST(WindowReuse, OnlyTheNumberOneInEitherForm) {
  EXPECT_TRUE(IsWindowReuseOn(RegValue{std::int32_t{1}}));
  EXPECT_FALSE(IsWindowReuseOn(RegValue{std::int32_t{0}}));
  EXPECT_FALSE(IsWindowReuseOn(RegValue{std::int32_t{-1}}));
  EXPECT_TRUE(IsWindowReuseOn(RegValue{std::wstring(L"1")}));
  EXPECT_TRUE(IsWindowReuseOn(RegValue{std::wstring(L" 1.0 ")}));
  EXPECT_FALSE(IsWindowReuseOn(RegValue{std::wstring(L"")}));
  EXPECT_FALSE(IsWindowReuseOn(RegValue{std::wstring(L"yes")}));
  EXPECT_FALSE(IsWindowReuseOn(RegValue{std::wstring(L"1x")}));
  EXPECT_FALSE(IsWindowReuseOn(RegValue{std::wstring(L"2")}));
}

TEST(WindowReuse, RegistryTextEndsAtItsFirstNul) {
  EXPECT_EQ(TextUpToNul(std::wstring(L"1\0more", 6)), L"1");
  EXPECT_EQ(TextUpToNul(L"plain"), L"plain");
  EXPECT_EQ(TextUpToNul(std::wstring(L"\0x", 2)), L"");
}
