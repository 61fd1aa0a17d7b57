// Start-up time of a program to its first visible window, and its private
// memory once idle. Velmora is taken to its bar: the splash's version label
// is clicked as soon as it shows, as a user skips the splash.
//   startup_bench velmora|window PROGRAM.exe [runs]
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "bench/bench_stats.h"
#include "tests/support/e2e_support.h"

namespace {

constexpr int kDeadlineMs = 30000;
constexpr int kIdleMs = 3000;

struct Search {
  DWORD pid;
  const wchar_t* className;
  HWND found;
};

HWND VisibleWindowOf(DWORD pid, const wchar_t* className) {
  Search search{pid, className, nullptr};
  EnumWindows(
      [](HWND hwnd, LPARAM param) -> BOOL {
        auto* s = reinterpret_cast<Search*>(param);
        DWORD owner = 0;
        GetWindowThreadProcessId(hwnd, &owner);
        if (owner != s->pid || !IsWindowVisible(hwnd)) return TRUE;
        if (s->className && e2e::ClassOf(hwnd) != s->className) return TRUE;
        s->found = hwnd;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND WaitVisible(DWORD pid, const wchar_t* className, bench::Clock::time_point start) {
  while (bench::MillisecondsSince(start) < kDeadlineMs) {
    if (const HWND hwnd = VisibleWindowOf(pid, className)) return hwnd;
    Sleep(1);
  }
  return nullptr;
}

// A left click in the middle of a control, as real input, with no wait
// after it: the wait is what is being measured.
void ClickNow(HWND control) {
  RECT r{};
  GetWindowRect(control, &r);
  const int w = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);
  INPUT in[3]{};
  in[0].type = INPUT_MOUSE;
  in[0].mi.dx = MulDiv((r.left + r.right) / 2, 65535, w - 1);
  in[0].mi.dy = MulDiv((r.top + r.bottom) / 2, 65535, h - 1);
  in[0].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  in[1] = in[0];
  in[1].mi.dwFlags |= MOUSEEVENTF_LEFTDOWN;
  in[2] = in[0];
  in[2].mi.dwFlags |= MOUSEEVENTF_LEFTUP;
  SendInput(3, in, sizeof in[0]);
}

struct Run {
  double ms = -1;
  double privateBytes = 0;
};

Run Measure(const std::wstring& path, bool velmora) {
  Run run;
  const auto start = bench::Clock::now();
  e2e::Program program(path);
  if (!program.Started()) return run;
  HWND ready = nullptr;
  if (velmora) {
    const HWND splash = WaitVisible(program.Id(), L"VelmoraSplash", start);
    HWND version = nullptr;
    while (splash && !version && bench::MillisecondsSince(start) < kDeadlineMs) {
      version = e2e::ChildWithText(splash, L"Static", L"Ver:1.1.0");
      if (!version) Sleep(1);
    }
    if (version) ClickNow(version);
    ready = WaitVisible(program.Id(), L"VelmoraBar", start);
  } else {
    ready = WaitVisible(program.Id(), nullptr, start);
  }
  if (!ready) return run;
  run.ms = bench::MillisecondsSince(start);
  Sleep(kIdleMs);
  const HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, program.Id());
  run.privateBytes = static_cast<double>(bench::PrivateBytes(process));
  CloseHandle(process);
  return run;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 3) {
    std::fwprintf(stderr, L"usage: startup_bench velmora|window PROGRAM.exe [runs]\n");
    return 2;
  }
  const bool velmora = std::wstring(argv[1]) == L"velmora";
  const int runs = argc > 3 ? _wtoi(argv[3]) : 5;
  std::vector<double> times, memory;
  Measure(argv[2], velmora);  // warm-up: the first start loads the system's files
  for (int i = 0; i < runs; ++i) {
    const Run run = Measure(argv[2], velmora);
    if (run.ms < 0) {
      bench::Report("failed_runs", 1);
      continue;
    }
    times.push_back(run.ms);
    memory.push_back(run.privateBytes);
    Sleep(500);
  }
  bench::Report("start_ms", bench::Median(times));
  bench::Report("idle_private_bytes", bench::Median(memory));
  return 0;
}
