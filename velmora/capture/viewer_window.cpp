#include "velmora/capture/viewer_window.h"

#include <windowsx.h>

#include <algorithm>
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
  ShowBmp();
}

const Picture& ViewerWindow::Image() const {
  static const Picture none;
  return image_ ? *image_ : none;
}

void ViewerWindow::ShowBmp() {
  zoom_.Reset(PlacePicture(PictureExtent(), AreaExtent(), Metrics()));
  ShowView();
}

POINT ViewerWindow::ImagePosition() const {
  const PixelRect shown = zoom_.Shown(PictureExtent());
  return {shown.left, shown.top};
}

// Image1 fills the area and is repainted without erasing, each pixel once:
// nothing flickers, and zooming moves and resizes no window.
void ViewerWindow::ShowView() {
  if (!image1_.Exists()) return;
  if (measure_.Active()) measure_.Follow(Measuring());
  InvalidateRect(image1_.Handle(), nullptr, FALSE);
  UpdateWindow(image1_.Handle());
}

Extent ViewerWindow::AreaExtent() const { return PictureArea(OuterExtent(Handle()), Metrics()); }

// The part of the area inside the client area, where the window shows it.
Extent ViewerWindow::SeenExtent() const {
  RECT client{};
  GetClientRect(Handle(), &client);
  const Extent area = AreaExtent();
  return {std::min<int>(area.width, client.right), std::min<int>(area.height, client.bottom)};
}

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
  MoveWindow(image1_.Handle(), 0, 0, area.width, area.height, FALSE);
  zoom_.Refit(PictureExtent(), SeenExtent());
  // Painted with the next messages: at the first showing the window system
  // paints the newly shown window then anyway, and a paint here, while the
  // window is being shown, would come twice.
  if (image1_.Exists()) InvalidateRect(image1_.Handle(), nullptr, FALSE);
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
      keeper_.GiveBack(Handle());
      return Window::OnMessage(message, wParam, lParam);
    case WM_ERASEBKGND:
      return 1;  // the picture area covers the client area
    case WM_MOUSEWHEEL:  // from the focus, or passed up from the window under the pointer
      WheelImage(GET_WHEEL_DELTA_WPARAM(wParam), {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
      return 0;
    case WM_CHAR:
      if (measure_.OnKey(message, wParam, Measuring())) return 0;
      return Window::OnMessage(message, wParam, lParam);
    case WM_KEYDOWN:
      if (measure_.OnKey(message, wParam, Measuring())) return 0;
      if ((wParam == '0' || wParam == VK_NUMPAD0) && GetKeyState(VK_CONTROL) < 0) {
        const Extent seen = SeenExtent();
        ToggleZoom({seen.width / 2, seen.height / 2});
        return 0;
      }
      return Window::OnMessage(message, wParam, lParam);
    default:
      return Window::OnMessage(message, wParam, lParam);
  }
}

void ViewerWindow::OnDestroy() {
  image_.reset();  // the picture goes with the window (and with the last one showing it)
  measure_.Forget();
}

LRESULT ViewerWindow::ImageBox::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (const auto handled = viewer_.OnImageMessage(message, wParam, lParam)) return *handled;
  return Window::OnMessage(message, wParam, lParam);
}

MeasureFrame ViewerWindow::Measuring() const {
  return {image1_.Handle(), Handle(), {zoom_.Left(), zoom_.Top(), zoom_.Scale()}, PictureExtent(), SeenExtent(), Dpi()};
}

std::optional<LRESULT> ViewerWindow::OnImageMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  const Offset pointer{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  if (message != WM_PAINT && (measure_.Active() || (wParam & MK_SHIFT))) {
    if (const auto taken = measure_.OnMouse(message, wParam, pointer, Measuring())) return taken;
  }
  switch (message) {
    case WM_PAINT:
      PaintImage();
      if (measure_.Active()) measure_.PaintOver(Measuring());
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_LBUTTONDOWN:
      PressImage(MouseButton::Left, pointer);
      return 0;
    case WM_LBUTTONDBLCLK:
      ToggleZoom(pointer);
      return 0;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:  // a quick second press is a press like any other
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
  const RECT& r = paint.area();
  const ui::MemoryDc memory(CreateCompatibleDC(paint.dc()));
  if (image.Palette()) {
    SelectPalette(paint.dc(), image.Palette(), TRUE);
    RealizePalette(paint.dc());
  }
  if (!zoom_.OneToOne()) {
    // Stretched straight onto the screen, so a zoomed view needs no copy of
    // the picture. Zoomed out it is averaged down (HALFTONE); zoomed in its
    // pixels stay square and sharp (COLORONCOLOR), so small print stays legible.
    const ZoomSlice slice = zoom_.Visible(PictureExtent(), AreaExtent());
    if (image) {
      const ui::SelectionGuard selected(memory.get(), image.Bitmap());
      const bool smooth = zoom_.Scale() < 1.0;
      SetStretchBltMode(paint.dc(), smooth ? HALFTONE : COLORONCOLOR);
      if (smooth) SetBrushOrgEx(paint.dc(), 0, 0, nullptr);  // HALFTONE leaves the brush origin to be set again
      StretchBlt(paint.dc(), slice.target.left, slice.target.top, slice.target.Width(), slice.target.Height(),
                 memory.get(), slice.source.left, slice.source.top, slice.source.Width(), slice.source.Height(),
                 SRCCOPY);
      ExcludeClipRect(paint.dc(), slice.target.left, slice.target.top, slice.target.right, slice.target.bottom);
    }
    FillRect(paint.dc(), &r, pic1_.BackgroundBrush());
    return;
  }
  // 1:1: the picture straight from its bitmap, the area around it (if any)
  // in the area's colour, each pixel painted once.
  const PixelRect shown = zoom_.Shown(PictureExtent()), covered = zoom_.Covered(PictureExtent(), AreaExtent());
  if (image) {
    const ui::SelectionGuard selected(memory.get(), image.Bitmap());
    BitBlt(paint.dc(), covered.left, covered.top, covered.Width(), covered.Height(), memory.get(),
           covered.left - shown.left, covered.top - shown.top, SRCCOPY);
  }
  ExcludeClipRect(paint.dc(), covered.left, covered.top, covered.right, covered.bottom);
  FillRect(paint.dc(), &r, pic1_.BackgroundBrush());
}

// The drag works in screen pixels inside the zoomed picture, so at every
// zoom the picture follows the pointer one to one. Only the picture takes
// presses, not the area around it.
void ViewerWindow::PressImage(MouseButton button, Offset pointer) {
  const PixelRect shown = zoom_.Shown(PictureExtent());
  if (!shown.Contains(pointer) || !pan_.Press(button, {pointer.x - shown.left, pointer.y - shown.top})) return;
  SetCapture(image1_.Handle());
  SetCursor(LoadCursorW(nullptr, IDC_SIZEALL));
}

void ViewerWindow::MoveImage(Offset pointer, bool release) {
  if (pan_.Dragging()) {
    const PixelRect shown = zoom_.Shown(PictureExtent());
    const Offset inPicture{pointer.x - shown.left, pointer.y - shown.top}, corner{shown.left, shown.top};
    const Extent size{shown.Width(), shown.Height()}, area = AreaExtent();
    const Offset moved =
        release ? pan_.Release(inPicture, corner, size, area) : pan_.Move(inPicture, corner, size, area);
    if (!(moved == corner)) {
      zoom_.MoveTo(moved, PictureExtent(), area, SeenExtent());
      ShowView();
    }
  }
  if (release) {
    pan_ = PanModel();
    if (GetCapture() == image1_.Handle()) ReleaseCapture();
    SetCursor(LoadCursorW(nullptr, IDC_ARROW));
  }
}

void ViewerWindow::WheelImage(int delta, POINT screenPoint) {
  if (pan_.Dragging() || !pic1_.Exists()) return;  // a drag holds the picture where the pointer has it
  ScreenToClient(pic1_.Handle(), &screenPoint);
  if (zoom_.Wheel(delta, {screenPoint.x, screenPoint.y}, PictureExtent(), AreaExtent(), SeenExtent())) ShowView();
}

void ViewerWindow::ToggleZoom(Offset inArea) {
  if (pan_.Dragging()) return;
  zoom_.Toggle(inArea, PictureExtent(), AreaExtent(), SeenExtent());
  ShowView();
}

void ViewerWindow::SaveAndShowMenu(Offset pointer) {
  if (!zoom_.Shown(PictureExtent()).Contains(pointer)) return;
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
