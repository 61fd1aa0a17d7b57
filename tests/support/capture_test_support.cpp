#include "tests/support/capture_test_support.h"

#include "ui/handles.h"
#include "ui/os_functions.h"

namespace capture_test {
namespace {

// The process sees physical pixels, as Velmora does through its manifest.
const bool kDpiAware = ui::SetProcessDpiAware();

COLORREF PatternColor(int x, int y) { return RGB((x * 37 + 11) & 0xFF, (y * 53 + 7) & 0xFF, ((x + y) * 29) & 0xFF); }

std::uint32_t Rgb(COLORREF c) { return GetRValue(c) << 16 | GetGValue(c) << 8 | GetBValue(c); }

LRESULT CALLBACK TestProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != WM_ERASEBKGND) return DefWindowProcW(hwnd, message, wParam, lParam);
  RECT r;
  GetClientRect(hwnd, &r);
  const auto color = static_cast<COLORREF>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  const ui::Bitmap pattern(PatternBitmap(r.right, r.bottom));
  const ui::Brush brush(CreateSolidBrush(color));
  const ui::MemoryDc memory(CreateCompatibleDC(reinterpret_cast<HDC>(wParam)));
  const ui::SelectionGuard selected(memory.get(), pattern.get());
  if (color != CLR_INVALID) FillRect(memory.get(), &r, brush.get());
  BitBlt(reinterpret_cast<HDC>(wParam), 0, 0, r.right, r.bottom, memory.get(), 0, 0, SRCCOPY);
  return 1;
}

}  // namespace

std::vector<std::uint32_t> PixelsOf(HBITMAP bitmap, int width, int height) {
  std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width) * height);
  BITMAPINFO info{{sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB}};
  const ui::WindowDc screen(nullptr);
  GetDIBits(screen.get(), bitmap, 0, height, pixels.data(), &info, DIB_RGB_COLORS);
  for (auto& p : pixels) p &= 0xFFFFFF;
  return pixels;
}

std::vector<std::uint32_t> ScreenPixels(int left, int top, int width, int height) {
  const ui::WindowDc screen(nullptr);
  const ui::Bitmap copy(CreateCompatibleBitmap(screen.get(), width, height));
  const ui::MemoryDc memory(CreateCompatibleDC(screen.get()));
  {
    const ui::SelectionGuard selected(memory.get(), copy.get());
    BitBlt(memory.get(), 0, 0, width, height, screen.get(), left, top, SRCCOPY);
  }
  return PixelsOf(copy.get(), width, height);
}

std::vector<std::uint32_t> SettledScreenPixels(int left, int top, int width, int height) {
  std::vector<std::uint32_t> last;
  WaitFor([&] { return std::exchange(last, ScreenPixels(left, top, width, height)) == last; });
  return last;
}

HBITMAP PatternBitmap(int width, int height) {
  std::vector<std::uint32_t> pixels;  // top row first, each as blue, green, red, unused
  for (int i = 0; i < width * height; ++i) pixels.push_back(Rgb(PatternColor(i % width, i / width)));
  return CreateBitmap(width, height, 1, 32, pixels.data());
}

Size BmpFileSizeThenDelete(const std::wstring& path) {
  const ui::Bitmap file(static_cast<HBITMAP>(LoadImageW(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE)));
  DeleteFileW(path.c_str());
  BITMAP info{};
  GetObjectW(file.get(), sizeof info, &info);
  return {info.bmWidth, info.bmHeight};
}

void PumpMessages() {
  for (MSG msg; PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE);) DispatchMessageW(&msg);
}

TestWindow::TestWindow(COLORREF color, RECT outer, DWORD style) {
  WNDCLASSEXW wc{sizeof wc, 0, TestProcedure, 0, 0, GetModuleHandleW(nullptr)};
  wc.lpszClassName = L"VelmoraCaptureTestWindow";
  RegisterClassExW(&wc);  // fails harmlessly from the second window on
  hwnd_ = CreateWindowExW(0, wc.lpszClassName, L"test", style, outer.left, outer.top, outer.right - outer.left,
                          outer.bottom - outer.top, nullptr, nullptr, wc.hInstance, nullptr);
  SetWindowLongPtrW(hwnd_, GWLP_USERDATA, static_cast<LONG_PTR>(color));
  ShowWindow(hwnd_, SW_SHOW);
  SetForegroundWindow(hwnd_);
  RECT client;
  GetClientRect(hwnd_, &client);
  POINT middle{client.right / 2, client.bottom / 2};
  const std::uint32_t want = Rgb(color != CLR_INVALID ? color : PatternColor(middle.x, middle.y));
  ClientToScreen(hwnd_, &middle);
  // On the screen only once the system has brought its painting there.
  WaitFor([&] { return ScreenPixels(middle.x, middle.y, 1, 1)[0] == want; });
}

TestWindow::~TestWindow() {
  DestroyWindow(hwnd_);
  PumpMessages();
}

}  // namespace capture_test
