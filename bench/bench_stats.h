#pragma once
// Timing and memory helpers shared by the bench programs.

#include <windows.h>

#include <chrono>
#include <functional>
#include <string>
#include <vector>

namespace bench {

using Clock = std::chrono::steady_clock;

double MillisecondsSince(Clock::time_point start);

// One timing of `work`, in milliseconds.
double TimeMs(const std::function<void()>& work);
// The median of `runs` timings of `work`, in milliseconds.
double MedianMs(int runs, const std::function<void()>& work);
// The median of a series of runs; the series' spread goes out with the next
// Report of that median.
double Median(std::vector<double> values);

// Private bytes of a process (the current one when null).
SIZE_T PrivateBytes(HANDLE process = nullptr);

// Under Wine a bitmap's pixels may live outside what the Windows counters
// see: the resident anonymous memory of a Linux process by its id, read from
// its status file (0 on Windows itself or when unreadable).
SIZE_T UnixAnonymousBytes(const std::wstring& process);

// What any program must do at the least to hold the screen's pixels: one
// screen-format bitmap, one block transfer of the whole screen, nothing else.
void BareBlit(int width, int height);

// Prints one "key value" line that tools/bench reads; for a median just
// taken, also "key.min", "key.max" and "key.runs".
void Report(const char* key, double value);

}  // namespace bench
