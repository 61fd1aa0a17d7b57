#include "bench/bench_stats.h"

#include <algorithm>
#include <cstdio>
#include <optional>

namespace bench {
namespace {

struct Spread {
  double median, min, max;
  std::size_t runs;
};

// The last series summed up, until its median is reported.
std::optional<Spread> pendingSpread;

}  // namespace

double MillisecondsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double Median(std::vector<double> values) {
  if (values.empty()) return 0;
  std::sort(values.begin(), values.end());
  const std::size_t mid = values.size() / 2;
  const double median = values.size() % 2 ? values[mid] : (values[mid - 1] + values[mid]) / 2;
  pendingSpread = Spread{median, values.front(), values.back(), values.size()};
  return median;
}

double TimeMs(const std::function<void()>& work) {
  const auto start = Clock::now();
  work();
  return MillisecondsSince(start);
}

double MedianMs(int runs, const std::function<void()>& work) {
  std::vector<double> times;
  for (int i = 0; i < runs; ++i) times.push_back(TimeMs(work));
  return Median(times);
}

// Wine answers 0 for the private usage, so the committed private regions of
// the address space are added up instead, which is what the figure counts.
SIZE_T CommittedPrivateBytes(HANDLE process) {
  SIZE_T total = 0;
  MEMORY_BASIC_INFORMATION region{};
  for (const char* address = nullptr;
       VirtualQueryEx(process, address, &region, sizeof region) == sizeof region;
       address = static_cast<const char*>(region.BaseAddress) + region.RegionSize) {
    if (region.State == MEM_COMMIT && region.Type == MEM_PRIVATE) total += region.RegionSize;
    if (region.RegionSize == 0) break;
  }
  return total;
}

SIZE_T PrivateBytes(HANDLE process) {
  // The same count everywhere, so figures from Windows and Wine compare.
  return CommittedPrivateBytes(process ? process : GetCurrentProcess());
}

SIZE_T UnixAnonymousBytes(const std::wstring& process) {
  std::FILE* status = _wfopen((L"Z:\\proc\\" + process + L"\\status").c_str(), L"r");
  if (!status) return 0;
  char line[256];
  unsigned long long kilobytes = 0;
  while (std::fgets(line, sizeof line, status)) {
    if (std::sscanf(line, "RssAnon: %llu kB", &kilobytes) == 1) break;
  }
  std::fclose(status);
  return static_cast<SIZE_T>(kilobytes * 1024);
}

void Report(const char* key, double value) {
  std::printf("%s %.3f\n", key, value);
  if (pendingSpread && pendingSpread->median == value) {
    std::printf("%s.min %.3f\n%s.max %.3f\n%s.runs %u\n", key, pendingSpread->min, key, pendingSpread->max, key,
                static_cast<unsigned>(pendingSpread->runs));
  }
  pendingSpread.reset();
  std::fflush(stdout);
}

void BareBlit(int width, int height) {
  const HWND desktop = GetDesktopWindow();
  const HDC screen = GetWindowDC(desktop);
  const HDC memory = CreateCompatibleDC(screen);
  const HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
  const HGDIOBJ previous = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, width, height, screen, 0, 0, SRCCOPY);
  SelectObject(memory, previous);
  DeleteDC(memory);
  ReleaseDC(desktop, screen);
  DeleteObject(bitmap);
}

}  // namespace bench
