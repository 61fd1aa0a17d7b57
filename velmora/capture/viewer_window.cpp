#include "velmora/capture/viewer_window.h"

#include <windowsx.h>

#include <memory>
#include <utility>
#include <vector>

#include "ui/handles.h"
#include "velmora/capture/capture_save.h"

namespace capture {
namespace {

constexpr wchar_t kViewerClass[] = L"VelmoraViewer";
constexpr wchar_t kAreaClass[] = L"VelmoraViewerArea";
constexpr wchar_t kImageClass[] = L"VelmoraViewerImage";
constexpr int kClientWidthTwips = 6840;
constexpr int kClientHeightTwips = 3885;
constexpr int kLeftTwips = -1000;
constexpr wchar_t kSettingsKey[] = L"Software\\Velmora\\Settings";

void RegisterChildClass(const wchar_t* name, WNDPROC procedure, HCURSOR cursor, HBRUSH background) {
  WNDCLASSEXW existing{sizeof existing};
  if (GetClassInfoExW(GetModuleHandleW(nullptr), name, &existing)) return;
  WNDCLASSEXW wc{sizeof wc};
  wc.lpfnWndProc = procedure;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hCursor = cursor;
  wc.hbrBackground = background;
  wc.lpszClassName = name;
  RegisterClassExW(&wc);
}

std::wstring TimeText() {
  wchar_t text[64] = L"";
  GetTimeFormatEx(LOCALE_NAME_USER_DEFAULT, 0, nullptr, nullptr, text, static_cast<int>(std::size(text)));
  return text;
}

Extent OuterExtent(HWND hwnd) {
  RECT r{};
  GetWindowRect(hwnd, &r);
  return {r.right - r.left, r.bottom - r.top};
}

std::vector<std::unique_ptr<ViewerWindow>>& OpenViewers() {
  static std::vector<std::unique_ptr<ViewerWindow>> viewers;
  return viewers;
}

// Closed viewers keep only an empty object; they are dropped at the next
// activation rather than from inside their own window procedure.
std::function<void(HWND)>& HiddenHelperMark() {
  static std::function<void(HWND)> mark;
  return mark;
}

void DropClosedViewers() {
  auto& viewers = OpenViewers();
  std::erase_if(viewers, [](const std::unique_ptr<ViewerWindow>& v) { return !v->Exists(); });
}

ViewerWindow& SharedViewer() {
  static ViewerWindow shared;
  return shared;
}

}  // namespace

ViewerWindow::~ViewerWindow() { Destroy(); }

bool ViewerWindow::Load() {
  if (Exists()) return true;
  ui::WindowOptions options;
  options.className = kViewerClass;
  options.caption = L"抓屏程序 " + TimeText();
  options.style = WS_OVERLAPPEDWINDOW;
  options.clientWidthTwips = kClientWidthTwips;
  options.clientHeightTwips = kClientHeightTwips;
  options.placement = ui::Placement::CenterScreen;
  if (!Create(options)) return false;
  RECT r{};
  GetWindowRect(Handle(), &r);
  // Top-most for the window's whole life; the left edge sits 1000 twips
  // beyond the screen's, where the user moves it from.
  SetWindowPos(Handle(), HWND_TOPMOST, Px(kLeftTwips), r.top, r.right - r.left, r.bottom - r.top, SWP_NOACTIVATE);
  return true;
}

void ViewerWindow::cap() {
  if (!Load()) return;
  image_ = CaptureScreen();
  if (image1_) SetWindowPos(image1_, nullptr, 0, 0, image_.Width(), image_.Height(), SWP_NOMOVE | SWP_NOZORDER);
  ShowBmp();
}

void ViewerWindow::ShowBmp() {
  position_ = PlacePicture({image_.Width(), image_.Height()}, AreaExtent(), Metrics());
  if (image1_) {
    SetWindowPos(image1_, nullptr, position_.x, position_.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    InvalidateRect(image1_, nullptr, FALSE);
  }
}

Extent ViewerWindow::AreaExtent() const { return PictureArea(OuterExtent(Handle()), Metrics()); }

void ViewerWindow::OnCreate() {
  RegisterChildClass(kAreaClass, &ViewerWindow::ChildProcedure, LoadCursorW(nullptr, IDC_ARROW),
                     GetSysColorBrush(COLOR_APPWORKSPACE));
  RegisterChildClass(kImageClass, &ViewerWindow::ChildProcedure, LoadCursorW(nullptr, IDC_ARROW), nullptr);
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  pic1_ = CreateWindowExW(0, kAreaClass, L"", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, 0, 0, Handle(), nullptr,
                          instance, this);
  image1_ = CreateWindowExW(0, kImageClass, L"", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, pic1_, nullptr, instance, this);
  ResizePictureArea();
}

void ViewerWindow::ResizePictureArea() {
  // A minimised viewer keeps its area; the picture itself is only ever
  // placed by ShowBmp, so resizing never re-centres it.
  if (!pic1_ || IsIconic(Handle())) return;
  const Extent area = AreaExtent();
  if (area.width <= 0 || area.height <= 0) return;
  MoveWindow(pic1_, 0, 0, area.width, area.height, TRUE);
}

LRESULT ViewerWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SIZE:
      ResizePictureArea();
      return 0;
    case WM_DESTROY:
      WriteSettings();
      return 0;
    case WM_ERASEBKGND:
      return 1;  // the picture area covers the client area
    default:
      return Window::OnMessage(message, wParam, lParam);
  }
}

void ViewerWindow::OnDestroy() {
  pic1_ = image1_ = nullptr;
  image_ = Picture();  // the picture goes with the window
}

LRESULT CALLBACK ViewerWindow::ChildProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* self = reinterpret_cast<ViewerWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (message == WM_NCCREATE) {
    self = static_cast<ViewerWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  if (self && hwnd == self->image1_) return self->OnImageMessage(hwnd, message, wParam, lParam);
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

LRESULT ViewerWindow::OnImageMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  const Offset pointer{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  switch (message) {
    case WM_PAINT:
      PaintImage();
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_LBUTTONDOWN:
      PressImage(MouseButton::Left, pointer);
      return 0;
    case WM_MBUTTONDOWN:
      PressImage(MouseButton::Middle, pointer);
      return 0;
    case WM_RBUTTONDOWN:
      SaveAndShowMenu(pointer);
      return 0;
    case WM_MOUSEMOVE:
      MoveImage(pointer, false);
      return 0;
    case WM_LBUTTONUP:
    case WM_MBUTTONUP:
    case WM_RBUTTONUP:
      MoveImage(pointer, true);
      return 0;
    case WM_CAPTURECHANGED:
      pan_ = PanModel();  // the drag ends when the mouse is taken away
      return 0;
    case WM_SETCURSOR:
      if (pan_.Dragging()) {
        SetCursor(LoadCursorW(nullptr, IDC_SIZEALL));
        return TRUE;
      }
      break;
  }
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

void ViewerWindow::PaintImage() {
  const ui::PaintScope paint(image1_);
  if (!image_) return;
  const ui::MemoryDc memory(CreateCompatibleDC(paint.dc()));
  const ui::SelectionGuard selected(memory.get(), image_.Bitmap());
  if (image_.Palette()) {
    SelectPalette(paint.dc(), image_.Palette(), TRUE);
    RealizePalette(paint.dc());
  }
  const RECT& r = paint.area();
  BitBlt(paint.dc(), r.left, r.top, r.right - r.left, r.bottom - r.top, memory.get(), r.left, r.top, SRCCOPY);
}

void ViewerWindow::PressImage(MouseButton button, Offset pointer) {
  if (!pan_.Press(button, pointer)) return;
  SetCapture(image1_);
  SetCursor(LoadCursorW(nullptr, IDC_SIZEALL));
}

void ViewerWindow::MoveImage(Offset pointer, bool release) {
  if (pan_.Dragging()) {
    const Extent size{image_.Width(), image_.Height()};
    position_ = release ? pan_.Release(pointer, position_, size, AreaExtent())
                        : pan_.Move(pointer, position_, size, AreaExtent());
    SetWindowPos(image1_, nullptr, position_.x, position_.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    UpdateWindow(image1_);
  }
  if (release) {
    pan_ = PanModel();
    if (GetCapture() == image1_) ReleaseCapture();
    SetCursor(LoadCursorW(nullptr, IDC_ARROW));
  }
}

void ViewerWindow::SaveAndShowMenu(Offset pointer) {
  // The file is written as the menu opens, whatever the user then chooses;
  // the one item only tells where it went, or why it could not be written.
  saveName_ = CaptureFileName(TimeLayout::Separated);
  lastSave_ = SaveCapture(image_, saveName_);
  menuCaption_ = SaveMenuText(lastSave_);
  const ui::Menu menu(CreatePopupMenu());
  if (!menu) return;
  AppendMenuW(menu.get(), MF_STRING, 1, menuCaption_.c_str());
  POINT at{pointer.x, pointer.y};
  ClientToScreen(image1_, &at);
  TrackPopupMenu(menu.get(), TPM_RETURNCMD | TPM_RIGHTBUTTON, at.x, at.y, 0, Handle(), nullptr);
}

void ViewerWindow::WriteSettings() const {
  if (IsIconic(Handle())) return;
  RECT r{};
  GetWindowRect(Handle(), &r);
  const UINT dpi = Dpi();
  HKEY opened = nullptr;
  if (RegCreateKeyExW(HKEY_CURRENT_USER, kSettingsKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &opened, nullptr) !=
      ERROR_SUCCESS) {
    return;  // the settings are only remembered, never read back: nothing lost
  }
  const ui::RegKey key(opened);
  for (const SettingValue& value :
       ViewerSettings(ui::PixelsToTwips(r.left, dpi), ui::PixelsToTwips(r.top, dpi),
                      ui::PixelsToTwips(r.right - r.left, dpi), ui::PixelsToTwips(r.bottom - r.top, dpi))) {
    const std::wstring name(value.name);
    RegSetValueExW(key.get(), name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.text.c_str()),
                   static_cast<DWORD>((value.text.size() + 1) * sizeof(wchar_t)));
  }
}

ViewerWindow* RunFullScreenCapture() {
  DropClosedViewers();
  SharedViewer().cap();
  MarkHiddenHelper(SharedViewer().Handle());
  auto viewer = std::make_unique<ViewerWindow>();
  viewer->cap();
  if (!viewer->Exists()) return nullptr;
  viewer->Show(SW_SHOWNORMAL);
  OpenViewers().push_back(std::move(viewer));
  return OpenViewers().back().get();
}

void SetHiddenHelperMark(std::function<void(HWND)> mark) { HiddenHelperMark() = std::move(mark); }

void MarkHiddenHelper(HWND window) {
  if (window && HiddenHelperMark()) HiddenHelperMark()(window);
}

std::size_t OpenViewerCount() {
  DropClosedViewers();
  return OpenViewers().size();
}

}  // namespace capture
