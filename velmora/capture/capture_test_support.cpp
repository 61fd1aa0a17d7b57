#include "velmora/capture/capture_test_support.h"

#include <fstream>
#include <iterator>

#include "ui/handles.h"
#include "ui/os_functions.h"

namespace capture_test {
namespace {

// The process sees physical pixels, as Velmora does through its manifest.
const bool kDpiAware = ui::SetProcessDpiAware();

BITMAPINFO TopDown32(int width, int height) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  return info;
}

LRESULT CALLBACK SolidProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_ERASEBKGND) {
    RECT r;
    GetClientRect(hwnd, &r);
    const ui::Brush brush(CreateSolidBrush(static_cast<COLORREF>(GetWindowLongPtrW(hwnd, GWLP_USERDATA))));
    FillRect(reinterpret_cast<HDC>(wParam), &r, brush.get());
    return 1;
  }
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace

std::vector<std::uint32_t> PixelsOf(HBITMAP bitmap, int width, int height) {
  std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width) * height);
  BITMAPINFO info = TopDown32(width, height);
  const ui::WindowDc screen(nullptr);
  GetDIBits(screen.get(), bitmap, 0, height, pixels.data(), &info, DIB_RGB_COLORS);
  for (auto& p : pixels) p &= 0xFFFFFF;
  return pixels;
}

std::vector<std::uint32_t> ScreenPixels(int left, int top, int width, int height) {
  const ui::WindowDc screen(nullptr);
  BITMAPINFO info = TopDown32(width, height);
  void* bits = nullptr;
  const ui::Bitmap dib(CreateDIBSection(screen.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  const ui::MemoryDc memory(CreateCompatibleDC(screen.get()));
  {
    const ui::SelectionGuard selected(memory.get(), dib.get());
    BitBlt(memory.get(), 0, 0, width, height, screen.get(), left, top, SRCCOPY);
    GdiFlush();
  }
  const auto* p = static_cast<const std::uint32_t*>(bits);
  std::vector<std::uint32_t> pixels(p, p + static_cast<std::size_t>(width) * height);
  for (auto& q : pixels) q &= 0xFFFFFF;
  return pixels;
}

COLORREF PatternColor(int x, int y) {
  return RGB((x * 37 + 11) & 0xFF, (y * 53 + 7) & 0xFF, ((x + y) * 29) & 0xFF);
}

HBITMAP PatternBitmap(int width, int height) {
  const ui::WindowDc screen(nullptr);
  HBITMAP bitmap = CreateCompatibleBitmap(screen.get(), width, height);
  std::vector<std::uint32_t> pixels;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const COLORREF c = PatternColor(x, y);
      pixels.push_back(GetRValue(c) << 16 | GetGValue(c) << 8 | GetBValue(c));
    }
  }
  BITMAPINFO info = TopDown32(width, height);
  SetDIBits(screen.get(), bitmap, 0, height, pixels.data(), &info, DIB_RGB_COLORS);
  return bitmap;
}

std::vector<std::byte> ReadWholeFile(const std::wstring& path) {
  const ui::File file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
  if (!file) return {};
  LARGE_INTEGER size{};
  GetFileSizeEx(file.get(), &size);
  std::vector<std::byte> bytes(static_cast<std::size_t>(size.QuadPart));
  DWORD read = 0;
  ReadFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr);
  bytes.resize(read);
  return bytes;
}

bool FileExists(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

void PumpMessages() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

SolidWindow::SolidWindow(COLORREF color, int x, int y, int width, int height) {
  static const ATOM kClass = [] {
    WNDCLASSEXW wc{sizeof wc};
    wc.lpfnWndProc = SolidProcedure;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"VelmoraCaptureTestSolid";
    return RegisterClassExW(&wc);
  }();
  (void)kClass;
  hwnd_ = CreateWindowExW(WS_EX_TOPMOST, L"VelmoraCaptureTestSolid", L"solid", WS_OVERLAPPED | WS_CAPTION | WS_VISIBLE,
                          x, y, width, height, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  SetWindowLongPtrW(hwnd_, GWLP_USERDATA, static_cast<LONG_PTR>(color));
  InvalidateRect(hwnd_, nullptr, TRUE);
  UpdateWindow(hwnd_);
  PumpMessages();
}

SolidWindow::~SolidWindow() {
  DestroyWindow(hwnd_);
  PumpMessages();
}

}  // namespace capture_test
