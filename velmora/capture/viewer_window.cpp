#include "velmora/capture/viewer_window.h"

#include <windowsx.h>

#include <utility>

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
  if (Load()) SetPicture(std::make_shared<const Picture>(CaptureScreenApart()));
}

void ViewerWindow::SetPicture(SharedPicture picture) {
  if (!Load()) return;
  image_ = std::move(picture);
  SetWindowPos(image1_.Handle(), nullptr, 0, 0, Image().Width(), Image().Height(), SWP_NOMOVE | SWP_NOZORDER);
  ShowBmp();
}

const Picture& ViewerWindow::Image() const {
  static const Picture none;
  return image_ ? *image_ : none;
}

void ViewerWindow::ShowBmp() {
  position_ = PlacePicture({Image().Width(), Image().Height()}, AreaExtent(), Metrics());
  if (image1_.Exists()) {
    SetWindowPos(image1_.Handle(), nullptr, position_.x, position_.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    InvalidateRect(image1_.Handle(), nullptr, FALSE);
  }
}

Extent ViewerWindow::AreaExtent() const { return PictureArea(OuterExtent(Handle()), Metrics()); }

void ViewerWindow::OnCreate() {
  ui::WindowOptions area;
  area.className = kAreaClass;
  area.style = WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN;
  area.placement = ui::Placement::Explicit;
  area.background = GetSysColor(COLOR_APPWORKSPACE);
  area.owner = Handle();
  if (!pic1_.Create(area)) return;
  ui::WindowOptions image;
  image.className = kImageClass;
  image.style = WS_CHILD | WS_VISIBLE;
  image.placement = ui::Placement::Explicit;
  image.owner = pic1_.Handle();
  image1_.Create(image);
  ResizePictureArea();
}

void ViewerWindow::ResizePictureArea() {
  // A minimised viewer keeps its area; the picture itself is only ever
  // placed by ShowBmp, so resizing never re-centres it.
  if (!pic1_.Exists() || IsIconic(Handle())) return;
  const Extent area = AreaExtent();
  if (area.width <= 0 || area.height <= 0) return;
  MoveWindow(pic1_.Handle(), 0, 0, area.width, area.height, TRUE);
}

LRESULT ViewerWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SIZE:
      ResizePictureArea();
      return 0;
    case WM_CLOSE:
      // Only a viewer the user closes remembers its place: not the shared,
      // never-shown one, nor those still open when the program ends.
      WriteSettings();
      return Window::OnMessage(message, wParam, lParam);
    case WM_ERASEBKGND:
      return 1;  // the picture area covers the client area
    default:
      return Window::OnMessage(message, wParam, lParam);
  }
}

void ViewerWindow::OnDestroy() {
  image_.reset();  // the picture goes with the window (and with the last one showing it)
}

LRESULT ViewerWindow::ImageBox::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (const auto handled = viewer_.OnImageMessage(message, lParam)) return *handled;
  return Window::OnMessage(message, wParam, lParam);
}

std::optional<LRESULT> ViewerWindow::OnImageMessage(UINT message, LPARAM lParam) {
  const Offset pointer{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  switch (message) {
    case WM_PAINT:
      PaintImage();
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:  // a quick second press is a press like any other
      PressImage(MouseButton::Left, pointer);
      return 0;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
      PressImage(MouseButton::Middle, pointer);
      return 0;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
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
  return std::nullopt;
}

void ViewerWindow::PaintImage() {
  const ui::PaintScope paint(image1_.Handle());
  const Picture& image = Image();
  if (!image) return;
  const ui::MemoryDc memory(CreateCompatibleDC(paint.dc()));
  const ui::SelectionGuard selected(memory.get(), image.Bitmap());
  if (image.Palette()) {
    SelectPalette(paint.dc(), image.Palette(), TRUE);
    RealizePalette(paint.dc());
  }
  const RECT& r = paint.area();
  BitBlt(paint.dc(), r.left, r.top, r.right - r.left, r.bottom - r.top, memory.get(), r.left, r.top, SRCCOPY);
}

void ViewerWindow::PressImage(MouseButton button, Offset pointer) {
  if (!pan_.Press(button, pointer)) return;
  SetCapture(image1_.Handle());
  SetCursor(LoadCursorW(nullptr, IDC_SIZEALL));
}

void ViewerWindow::MoveImage(Offset pointer, bool release) {
  if (pan_.Dragging()) {
    const Extent size{Image().Width(), Image().Height()};
    position_ = release ? pan_.Release(pointer, position_, size, AreaExtent())
                        : pan_.Move(pointer, position_, size, AreaExtent());
    SetWindowPos(image1_.Handle(), nullptr, position_.x, position_.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    UpdateWindow(image1_.Handle());
  }
  if (release) {
    pan_ = PanModel();
    if (GetCapture() == image1_.Handle()) ReleaseCapture();
    SetCursor(LoadCursorW(nullptr, IDC_ARROW));
  }
}

void ViewerWindow::SaveAndShowMenu(Offset pointer) {
  // The file is written as the menu opens, whatever the user then chooses;
  // the one item only tells where it went, or why it could not be written.
  saveName_ = CaptureFileName(TimeLayout::Separated);
  lastSave_ = SaveCapture(Image(), saveName_);
  menuCaption_ = SaveMenuText(lastSave_);
  const ui::Menu menu(CreatePopupMenu());
  if (!menu) return;
  AppendMenuW(menu.get(), MF_STRING, 1, menuCaption_.c_str());
  POINT at{pointer.x, pointer.y};
  ClientToScreen(image1_.Handle(), &at);
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

}  // namespace capture
