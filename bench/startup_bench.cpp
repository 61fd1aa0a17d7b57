// Start-up time of a program to its first visible window, and its private
// memory once idle. With "clicked", the program is taken to its second
// window as a user takes Velmora to its bar: the label that skips the first
// window is clicked as soon as it shows. The start is split into the time
// to the first window and the time from the click to the second.
//   startup_bench window PROGRAM.exe [runs]
//   startup_bench clicked PROGRAM.exe FIRST-CLASS LABEL SECOND-CLASS [runs]
//   startup_bench turns RUNS NAME PROGRAM.exe FIRST-CLASS LABEL SECOND-CLASS
//                            NAME PROGRAM.exe FIRST-CLASS LABEL SECOND-CLASS ...
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
  HWND made;   // a window of the class, shown or not
  HWND found;  // a shown one
};

// CALLBACK (stdcall in a 32-bit build), which a lambda is not.
BOOL CALLBACK MatchVisible(HWND hwnd, LPARAM param) {
  auto* s = reinterpret_cast<Search*>(param);
  DWORD owner = 0;
  GetWindowThreadProcessId(hwnd, &owner);
  if (owner != s->pid) return TRUE;
  if (s->className && e2e::ClassOf(hwnd) != s->className) return TRUE;
  if (!s->made) s->made = hwnd;
  if (!IsWindowVisible(hwnd)) return TRUE;
  s->found = hwnd;
  return FALSE;
}

// Waits for a shown window; `madeMs`, when given, gets the time from `start`
// at which the window was first seen made (shown or not).
HWND WaitVisible(DWORD pid, const wchar_t* className, bench::Clock::time_point start, double* madeMs = nullptr) {
  bool made = false;
  while (bench::MillisecondsSince(start) < kDeadlineMs) {
    Search search{pid, className, nullptr, nullptr};
    EnumWindows(MatchVisible, reinterpret_cast<LPARAM>(&search));
    if (search.made && !made && madeMs) *madeMs = bench::MillisecondsSince(start);
    made = made || search.made;
    if (search.found) return search.found;
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

// The walk through a program's start: empty names mean its first window only.
struct Flow {
  std::wstring firstClass, label, secondClass;
};

struct Run {
  double ms = -1;
  double firstMadeMs = 0, firstMs = 0;
  double clickMadeMs = 0, clickMs = 0;
  double privateBytes = 0;
};

Run Measure(const std::wstring& path, const Flow& flow) {
  Run run;
  const auto start = bench::Clock::now();
  e2e::Program program(path);
  if (!program.Started()) return run;
  HWND ready = nullptr;
  if (!flow.label.empty()) {
    const HWND first = WaitVisible(program.Id(), flow.firstClass.c_str(), start, &run.firstMadeMs);
    run.firstMs = bench::MillisecondsSince(start);
    HWND label = nullptr;
    while (first && !label && bench::MillisecondsSince(start) < kDeadlineMs) {
      label = e2e::ChildWithText(first, L"Static", flow.label);
      if (!label) Sleep(1);
    }
    const auto click = bench::Clock::now();
    if (label) ClickNow(label);
    ready = WaitVisible(program.Id(), flow.secondClass.c_str(), click, &run.clickMadeMs);
    run.clickMs = bench::MillisecondsSince(click);
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

// The runs of one program, reported under a name ("" for none).
struct Series {
  std::wstring path;
  Flow flow;
  std::vector<double> times, firstsMade, firsts, clicksMade, clicks, memory;

  void Add(const Run& run) {
    if (run.ms < 0) {
      bench::Report("failed_runs", 1);
      return;
    }
    times.push_back(run.ms);
    firstsMade.push_back(run.firstMadeMs);
    firsts.push_back(run.firstMs);
    clicksMade.push_back(run.clickMadeMs);
    clicks.push_back(run.clickMs);
    memory.push_back(run.privateBytes);
  }

  void Report(const std::string& name) const {
    const auto key = [&](const char* figure) { return (name.empty() ? "" : name + ".") + figure; };
    bench::Report(key("start_ms").c_str(), bench::Median(times));
    if (!flow.label.empty()) {
      bench::Report(key("first_made_ms").c_str(), bench::Median(firstsMade));
      bench::Report(key("first_window_ms").c_str(), bench::Median(firsts));
      bench::Report(key("click_to_second_made_ms").c_str(), bench::Median(clicksMade));
      bench::Report(key("click_to_second_ms").c_str(), bench::Median(clicks));
    }
    bench::Report(key("idle_private_bytes").c_str(), bench::Median(memory));
  }
};

std::string Narrow(const std::wstring& text) { return std::string(text.begin(), text.end()); }

int Usage() {
  std::fwprintf(stderr, L"usage: startup_bench window PROGRAM.exe [runs]\n"
                        L"       startup_bench clicked PROGRAM.exe FIRST-CLASS LABEL SECOND-CLASS [runs]\n"
                        L"       startup_bench turns RUNS NAME PROGRAM.exe FIRST-CLASS LABEL SECOND-CLASS\n"
                        L"                                NAME PROGRAM.exe FIRST-CLASS LABEL SECOND-CLASS ...\n");
  return 2;
}

}  // namespace

// "turns" starts two or more programs by turns, each run of one beside a run
// of the others, so that what else the machine does falls on all alike.
int wmain(int argc, wchar_t** argv) {
  const std::wstring mode = argc > 1 ? argv[1] : L"";
  constexpr int kGroup = 5;  // NAME PROGRAM.exe FIRST-CLASS LABEL SECOND-CLASS
  if (mode == L"turns" && argc >= 3 + 2 * kGroup && (argc - 3) % kGroup == 0) {
    const int runs = _wtoi(argv[2]);
    std::vector<Series> programs;
    for (int at = 3; at < argc; at += kGroup) {
      programs.push_back({argv[at + 1], {argv[at + 2], argv[at + 3], argv[at + 4]}});
    }
    const int count = static_cast<int>(programs.size());
    for (Series& series : programs) Measure(series.path, series.flow);  // warm-up: the first start loads the system's files
    for (int i = 0; i < runs; ++i) {
      // Each takes the first turn in its share of the rounds.
      for (int k = 0; k < count; ++k) {
        Series& series = programs[(i + k) % count];
        series.Add(Measure(series.path, series.flow));
        Sleep(500);
      }
    }
    for (int k = 0; k < count; ++k) programs[k].Report(Narrow(argv[3 + k * kGroup]));
    return 0;
  }
  const bool clicked = mode == L"clicked" && argc >= 6;
  if (argc < 3 || (mode != L"window" && !clicked)) return Usage();
  Series series{argv[2], clicked ? Flow{argv[3], argv[4], argv[5]} : Flow{}};
  const int runsAt = clicked ? 6 : 3;
  const int runs = argc > runsAt ? _wtoi(argv[runsAt]) : 9;
  Measure(series.path, series.flow);  // warm-up: the first start loads the system's files
  for (int i = 0; i < runs; ++i) {
    series.Add(Measure(series.path, series.flow));
    Sleep(500);
  }
  series.Report("");
  return 0;
}
