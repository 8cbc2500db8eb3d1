#include <gtest/gtest.h>

#include <map>
#include <vector>

#include "main/desktop/hotkey_repeats.h"
#include "main/desktop/desktop_texts.h"
#include "main/desktop/hotkey_pass.h"
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
HotkeyFileValues Values(int lm, int lk, bool le, int tm, int tk, bool te) {
  return {static_cast<std::int16_t>(lm), static_cast<std::int16_t>(lk), le,
          static_cast<std::int16_t>(tm), static_cast<std::int16_t>(tk), te};
}
} // namespace

TEST(HotkeyPass, CountsEnabledHotkeysThatFailAndHaveAKey) {
  FakeRegistry held;
  held.taken[{3, 74}] = 99;
  SharedState state;
  EXPECT_EQ(RunHotkeyPass(Values(3, 74, true, 3, 74, true), state, held.Fn()), 2);
  EXPECT_FALSE(state.LaunchHotkeyRegistered || state.ToggleHotkeyRegistered);

  FakeRegistry registry;  // one combination for both: the second fails
  EXPECT_EQ(RunHotkeyPass(Values(3, 74, true, 3, 74, true), state, registry.Fn()), 1);
  EXPECT_TRUE(state.LaunchHotkeyRegistered);
  EXPECT_FALSE(state.ToggleHotkeyRegistered);

  FakeRegistry refusesAll;
  refusesAll.taken[{3, 0}] = 99;
  EXPECT_EQ(RunHotkeyPass(Values(3, 0, true, 0, 0, false), state, refusesAll.Fn()), 0);  // keyless
  EXPECT_EQ(refusesAll.calls, std::vector<int>{0});  // still attempted
}

TEST(HotkeyPass, ADisabledHotkeyIsNotRegisteredButItsFieldsFollowTheFile) {
  FakeRegistry registry;
  SharedState state;
  state.LaunchHotkeyRegistered = true;  // from an earlier pass
  RunHotkeyPass(Values(2, 65, false, 2, 66, true), state, registry.Fn());
  EXPECT_EQ(registry.calls, std::vector<int>{1});
  EXPECT_TRUE(state.LaunchHotkeyRegistered);
  EXPECT_EQ(state.LaunchHotkeyKey, 65);
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
