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

// What one press's reads found so far; shared with the reading threads, since a read may
// outlive its press.
class PressReads {
 public:
  PressReads(std::size_t count, ULONGLONG deadline) : deadline_(deadline), results_(count) {}
  ULONGLONG Deadline() const { return deadline_; }
  bool AllFinished() const;
  // The reads as they stand: unfinished ones are unreadable.
  std::vector<AddressRead> Results() const;
  // Each read once it has ended; none while it runs.
  std::vector<std::optional<FieldSearch>> Ended() const;

 private:
  friend class AddressReaders;
  friend class ReadRunner;
  const ULONGLONG deadline_;
  std::atomic<bool> stop_{false};
  mutable std::mutex lock_;
  std::vector<std::optional<FieldSearch>> results_;
  std::set<DWORD> readingThreads_;  // threads in the middle of one of this press's reads
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
  // The press is over: its reads stop asking, and calls still waiting for a browser are cancelled.
  static void Stop(PressReads& reads);

  struct Shared;

 private:
  PTP_POOL pool_ = nullptr;
  TP_CALLBACK_ENVIRON environment_{};
  std::shared_ptr<Shared> shared_;
};

} // namespace qvx
