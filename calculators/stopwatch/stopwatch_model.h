#pragma once
// A stopwatch of minutes and seconds between a start and a stop press, read
// from the local date and time to the whole second.

#include <cstdint>
#include <functional>
#include <string>

namespace stopwatch {

// States: idle (the display shows one blank), running (the display follows
// every tick), stopped (the display keeps its last text). The display shows
// the minute within the hour and the second within the minute, without
// leading zeros ("0:9", "1:15", "0:5" after an hour and five seconds).
class StopwatchModel {
 public:
  // The local date and time in whole seconds since any fixed origin.
  using Clock = std::function<std::int64_t()>;

  explicit StopwatchModel(Clock clock);

  // Starts, or restarts, counting from zero. The display changes at the next tick.
  void Begin();
  // Stops counting; the display keeps its text.
  void Stop() { running_ = false; }
  // A tick of the display clock: while running, the display shows the time
  // elapsed since the last start.
  void Tick();

  const std::wstring& Text() const { return text_; }

 private:
  Clock clock_;
  std::int64_t start_ = 0;
  bool running_ = false;
  std::wstring text_ = L" ";
};

}  // namespace stopwatch
