#include <gtest/gtest.h>

#include <map>
#include <string>

#include "main/switching/show_command.h"
#include "main/switching/window_match.h"
#include "main/switching/window_walk.h"

using namespace qvx;

TEST(WindowMatch, OnlyTheSearchedTextIsUpperCased) {
  EXPECT_TRUE(TitleMatches(L"Example Portal - Internet Explorer", L"EXAMPLE"));
  EXPECT_TRUE(AddressMatches(L"https://www.example.com/home", L"EXAMPLE.COM"));
  // A keyword holding lower-case letters never matches, whatever the text.
  EXPECT_FALSE(TitleMatches(L"example portal", L"Example"));
  EXPECT_FALSE(AddressMatches(L"https://www.example.com/", L"example.com"));
  EXPECT_TRUE(AddressMatches(L"https://caf\u00e9.example/", L"CAF\u00c9"));
}

TEST(WindowMatch, EmptyKeywordNeedsANonEmptyText) {
  EXPECT_TRUE(TitleMatches(L"x", L""));
  EXPECT_FALSE(TitleMatches(L"", L""));
  EXPECT_TRUE(AddressMatches(L"about:blank", L""));
  EXPECT_FALSE(AddressMatches(L"", L""));
}

TEST(WindowMatch, KeywordBeyondThe149thTitleCharacterIsNotSeen) {
  const std::wstring pad(145, L'.');
  EXPECT_TRUE(TitleMatches(pad + L"SITE", L"SITE"));      // ends at character 149
  EXPECT_FALSE(TitleMatches(pad + L"XSITE", L"SITE"));    // its last letter is the 150th
  EXPECT_TRUE(TitleMatches(std::wstring(149, L'.') + L"SITE", L""));
}

TEST(WindowMatch, ClassNameContainsIEFrameAnywhere) {
  EXPECT_TRUE(ClassMatches(L"IEFrame"));
  EXPECT_TRUE(ClassMatches(L"MyIEFRAMEHost"));
  EXPECT_FALSE(ClassMatches(L"IE_Frame"));
  EXPECT_FALSE(ClassMatches(L""));
}

TEST(ShowCommand, MinimisedComesBackZoomedOthersAreOnlyShown) {
  EXPECT_EQ(ShowCommandToWrite(kShowNormal), kShow);
  EXPECT_EQ(ShowCommandToWrite(kShowMinimized), kShowMaximized);
  EXPECT_EQ(ShowCommandToWrite(kShowMaximized), kShow);
  EXPECT_EQ(ShowCommandToWrite(kShowHidden), std::nullopt);
  EXPECT_EQ(ShowCommandToWrite(kShow), std::nullopt);
  EXPECT_EQ(ShowCommandToWrite(-1), std::nullopt);
}

namespace {
struct FakeWindow {
  bool topLevel = true;
  std::wstring title;
  std::wstring className = L"IEFrame";
  std::wstring url;
};

// The windows of a made-up screen, in Z order, counting the address reads.
class FakeScreen : public WindowSource {
 public:
  std::vector<std::pair<WindowId, FakeWindow>> windows;
  std::map<WindowId, int> urlReads;

  std::vector<WindowId> TopLevelWindows() override {
    std::vector<WindowId> ids;
    for (auto& [id, w] : windows) ids.push_back(id);
    return ids;
  }
  bool IsTopLevelWindow(WindowId id) override { return Find(id).topLevel; }
  std::wstring Title(WindowId id) override { return Find(id).title; }
  std::wstring ClassName(WindowId id) override { return Find(id).className; }
  std::wstring GetTheURL(WindowId id) override {
    ++urlReads[id];
    return Find(id).url;
  }

 private:
  FakeWindow& Find(WindowId id) {
    for (auto& [i, w] : windows) if (i == id) return w;
    throw std::out_of_range("no such window");
  }
};
} // namespace

TEST(WindowWalk, ListsMatchesInAscendingSignedOrderWhateverTheZOrder) {
  FakeScreen screen;
  const FakeWindow site{true, L"Portal - Internet Explorer", L"IEFrame", L"http://example.com/a"};
  screen.windows = {{5000, site}, {300, site}, {4000, site}, {-7, site}};
  EXPECT_EQ(CollectMatchingWindows(screen, L"PORTAL", L"EXAMPLE.COM"), (std::vector<WindowId>{-7, 300, 4000, 5000}));
  EXPECT_TRUE(CollectMatchingWindows(screen, L"OTHER", L"").empty());
}

TEST(WindowWalk, EachTestRejectsAndTheAddressIsReadOnlyAfterAllOthersPassed) {
  FakeScreen screen;
  screen.windows = {
      {1, {false, L"Portal", L"IEFrame", L"http://example.com/"}},    // hidden or owned
      {2, {true, L"", L"IEFrame", L"http://example.com/"}},           // no title
      {3, {true, L"News", L"IEFrame", L"http://example.com/"}},       // title lacks the keyword
      {4, {true, L"Portal", L"Notepad", L"http://example.com/"}},     // not a browser frame
      {5, {true, L"Portal", L"IEFrame", L"http://other.org/"}},       // another site
      {6, {true, L"Portal", L"IEFrame", L""}},                        // address bar missing or empty
      {7, {true, L"Portal", L"SomeIEFrameHost", L"HTTP://EXAMPLE.COM"}},
  };
  EXPECT_EQ(CollectMatchingWindows(screen, L"PORTAL", L"EXAMPLE.COM"), (std::vector<WindowId>{7}));
  EXPECT_EQ(screen.urlReads, (std::map<WindowId, int>{{5, 1}, {6, 1}, {7, 1}}));

  // Empty keywords accept every titled frame with any address, never one without.
  EXPECT_EQ(CollectMatchingWindows(screen, L"", L""), (std::vector<WindowId>{3, 5, 7}));
}
