#pragma once
// Timing and memory helpers shared by the bench programs.

#include <windows.h>

#include <chrono>
#include <functional>
#include <vector>

namespace bench {

using Clock = std::chrono::steady_clock;

double MillisecondsSince(Clock::time_point start);

// The median of `runs` timings of `work`, in milliseconds.
double MedianMs(int runs, const std::function<void()>& work);
double Median(std::vector<double> values);

// Private bytes of a process (the current one when null).
SIZE_T PrivateBytes(HANDLE process = nullptr);

// Under Wine the bitmaps' pixels live in the Unix side of the process,
// which the Windows counters do not see: the resident anonymous memory of
// the whole process, read from Linux (0 on Windows itself).
SIZE_T UnixAnonymousBytes();

// Prints one "key value" line that tools/bench reads.
void Report(const char* key, double value);

}  // namespace bench
