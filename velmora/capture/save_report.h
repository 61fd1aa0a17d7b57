#pragma once
// What the user is told about a capture file: where it went, or, when no
// write succeeded, that the capture was not saved and why.

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
};

// A short Chinese reason for a system error code of a failed file write.
std::wstring WriteFailureReason(unsigned long error);

// The text of the viewer's popup item: "保存到: 《path》" when saved,
// otherwise why the capture was not saved, naming each place tried.
std::wstring SaveMenuText(const SaveResult& result);

}  // namespace capture
