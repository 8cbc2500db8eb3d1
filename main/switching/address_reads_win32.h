#pragma once
// Reading the candidates' addresses for one press, off the user-interface thread. Browser trees
// are read on at most four threads of their own; Internet Explorer's address bars on the
// system's pool, so that they never wait behind a browser tree. Every call on a tree belongs to
// its press: none starts after the press's deadline, and those still running at the deadline
// are cancelled.
#include <windows.h>

#include <atomic>
#include <memory>
#include <mutex>
#include <optional>
#include <set>
#include <vector>

#include "main/switching/address_field.h"
#include "main/switching/field_paths.h"

namespace qvx {

// Work of one press on the reading threads; shared with them, since it may outlive its press.
class PressWork {
 public:
  explicit PressWork(ULONGLONG deadline) : deadline_(deadline) {}
  ULONGLONG Deadline() const { return deadline_; }

 protected:
  friend class AddressReaders;
  friend class ReadRunner;
  const ULONGLONG deadline_;
  std::atomic<bool> stop_{false};
  mutable std::mutex lock_;
  std::set<DWORD> readingThreads_;  // threads in the middle of this work's calls
};

// What one press's reads found so far.
class PressReads : public PressWork {
 public:
  PressReads(std::size_t count, ULONGLONG deadline) : PressWork(deadline), results_(count) {}
  bool AllFinished() const;
  // The reads as they stand: unfinished ones are unreadable.
  std::vector<AddressRead> Results() const;
  // Each read once it has ended; none while it runs.
  std::vector<std::optional<FieldSearch>> Ended() const;

 private:
  friend class ReadRunner;
  std::vector<std::optional<FieldSearch>> results_;
};

// A press's look through the browsers' tab strips for the site in a background tab.
class TabSearch : public PressWork {
 public:
  using PressWork::PressWork;
  bool Finished() const;
  std::optional<WindowId> Chosen() const;  // the window whose tab was selected
  // When only looking: each window's first background tab of the site, by its title (empty: none).
  std::vector<std::wstring> SiteTabs() const;

 private:
  friend class AddressReaders;
  friend class ReadRunner;
  bool finished_ = false;
  std::optional<WindowId> chosen_;
  std::vector<std::wstring> siteTabs_;
};

class AddressReaders {
 public:
  AddressReaders();
  ~AddressReaders();
  AddressReaders(const AddressReaders&) = delete;
  AddressReaders& operator=(const AddressReaders&) = delete;

  // Starts reading the candidates' addresses; `notify` is posted `message` as each read ends.
  // A window whose read from an earlier press still runs is not read again: it stays unread.
  std::shared_ptr<PressReads> Start(const BrowserWindows& windows, ULONGLONG deadline, HWND notify, UINT message);
  // Looks through the tab strips of the windows (ascending handles) for a tab of the site and
  // selects it, or with `onlyLook` lists each window's tab of the site and selects nothing;
  // `notify` is posted `message` when it ends.
  std::shared_ptr<TabSearch> StartTabSearch(std::vector<Candidate> windows, std::wstring browserTextKeyword,
                                            std::wstring urlKeyword, bool onlyLook, ULONGLONG deadline, HWND notify,
                                            UINT message);
  // The press is over: its work stops asking, and calls still waiting for a browser are cancelled.
  static void Stop(PressWork& work);

  struct Shared;

 private:
  PTP_POOL pool_ = nullptr;
  TP_CALLBACK_ENVIRON environment_{};
  std::shared_ptr<Shared> shared_;
};

} // namespace qvx
