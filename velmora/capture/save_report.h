#pragma once
// What the user is told about a capture file: where it went, or, when no
// write succeeded, that the capture was not saved and why.

#include <optional>
#include <string>
#include <vector>

namespace capture {

// One attempt to write the file: the path tried and the system's error code
// (0 when the write succeeded).
struct SaveAttempt {
  std::wstring path;
  unsigned long error = 0;
};

struct SaveResult {
  bool saved = false;
  std::wstring path;                  // the file actually written, when saved
  std::vector<SaveAttempt> attempts;  // in the order they were made
  std::wstring named;                 // the capture's own name, in the root of C:
};

// Where a capture file can go, in the order tried while none has gone
// anywhere yet: its own name in the root of C:, the same name in the user's
// Pictures folder, then in a folder of Velmora's own in the local
// application data.
enum class SavePlace { Root, Pictures, LocalData };

// The places in the order a save tries them. The place that took the last
// capture comes first for the rest of the session, so a place that refuses
// is not tried again at every shot (Controlled Folder Access tells the user
// of each refusal), then the others in their usual order.
class SavePlaces {
 public:
  std::vector<SavePlace> Order() const;
  void Took(SavePlace place) { last_ = place; }

 private:
  std::optional<SavePlace> last_;
};

// What the notice says when the screen could not be read: a capture that
// would not fit in the memory left (each open viewer holds a whole picture).
inline constexpr wchar_t kCaptureFailedText[] = L"抓屏失败：内存不足。请关闭一些抓屏窗口后再试。";

// A short Chinese reason for a system error code of a failed file write.
std::wstring WriteFailureReason(unsigned long error);

// The text of the viewer's popup item: "保存到: 《path》" when saved,
// otherwise why the capture was not saved, naming each place tried.
std::wstring SaveMenuText(const SaveResult& result);

// The text of the notice that says where a capture went: the full path when
// the file landed anywhere other than under its own name in the root of C:,
// or why nothing was saved. Nothing when it went there.
std::optional<std::wstring> SaveNoticeText(const SaveResult& result);

// A series of shots tells the user where its files go once: at its first
// shot, and again only when a shot lands in another folder (or fails after
// saving, or saves after failing). Never for every shot.
class SaveNoticeGate {
 public:
  void Restart() { lastPlace_.reset(); }
  bool ShouldShow(const SaveResult& result);

 private:
  std::optional<std::wstring> lastPlace_;
};

}  // namespace capture
