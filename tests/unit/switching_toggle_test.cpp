#include <gtest/gtest.h>


#include "main/switching/toggle.h"

using namespace qvx;

namespace {
constexpr WindowId A = 100, B = 200, C = 300, D = 400;

// Successive choices, each chosen window coming to the front.
std::vector<WindowId> Choices(ToggleCycle& cycle, const std::vector<WindowId>& windows, int times) {
  std::vector<WindowId> chosen;
  for (int i = 0; i < times; ++i) {
    chosen.push_back(cycle.ChooseNext(windows).value_or(0));
    cycle.RecordForeground(chosen.back());
  }
  return chosen;
}
} // namespace

TEST(ToggleCycle, NoneOneOrTwoWindows) {
  ToggleCycle cycle;
  EXPECT_EQ(cycle.ChooseNext({}), std::nullopt);
  cycle.RecordForeground(A);
  EXPECT_EQ(Choices(cycle, {A}, 2), (std::vector<WindowId>{A, A}));  // chosen although in front
  ToggleCycle fresh;
  fresh.RecordForeground(A);
  EXPECT_EQ(Choices(fresh, {A, B}, 4), (std::vector<WindowId>{B, A, B, A}));
}

TEST(ToggleCycle, VisitsInOrderAndSkipsTheWindowInFrontOnce) {
  ToggleCycle cycle;
  cycle.RecordForeground(D);  // the user works in another program
  EXPECT_EQ(Choices(cycle, {A, B, C}, 4), (std::vector<WindowId>{A, B, C, A}));
  cycle.RecordForeground(B);  // the user clicks into B by hand
  EXPECT_EQ(cycle.ChooseNext({A, B, C}), C);
  cycle.RecordForeground(0);  // nothing in front keeps B
  EXPECT_EQ(cycle.ChooseNext({A, B, C}), A);
  cycle.RecordForeground(C);
  EXPECT_EQ(cycle.ChooseNext({A, B, C}), B);
  EXPECT_EQ(cycle.ChooseNext({-5, B, C}), -5);  // skipping the last wraps to the first
}

TEST(ToggleCycle, ACountChangeRestartsTheCycleAMembershipChangeDoesNot) {
  ToggleCycle cycle;
  cycle.RecordForeground(D);
  EXPECT_EQ(Choices(cycle, {A, B, C}, 2), (std::vector<WindowId>{A, B}));
  EXPECT_EQ(cycle.ChooseNext({A, B, D}), D);     // C closed, D opened: on at position 3
  EXPECT_EQ(cycle.ChooseNext({A, B, C, D}), A);  // one more: from the start
  EXPECT_EQ(cycle.ChooseNext({}), std::nullopt);
  EXPECT_EQ(cycle.ChooseNext({C}), C);
}
