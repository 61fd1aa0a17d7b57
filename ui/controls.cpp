#include "ui/controls.h"

#include <commctrl.h>

#include <string_view>

#include "ui/font_faces.h"
#include "ui/os_functions.h"
#include "ui/window.h"

namespace ui {
namespace {

struct ClassAndStyle {
  const wchar_t* className;
  DWORD style;
};

ClassAndStyle ClassFor(const ControlSpec& s) {
  switch (s.kind) {
    case ControlKind::Label: return {L"STATIC", SS_LEFT | SS_NOTIFY};
    case ControlKind::Button: return {L"BUTTON", BS_PUSHBUTTON | WS_TABSTOP};
    case ControlKind::OptionButton: return {L"BUTTON", BS_AUTORADIOBUTTON | (s.startsGroup ? WS_TABSTOP : 0u)};
    case ControlKind::Edit: return {L"EDIT", ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP};
    case ControlKind::MultiLineEdit:
      return {L"EDIT", ES_MULTILINE | ES_AUTOVSCROLL | WS_VSCROLL | WS_BORDER | WS_TABSTOP};
    case ControlKind::ListBox:
      return {L"LISTBOX", LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_BORDER | WS_TABSTOP};
    case ControlKind::Frame: return {L"BUTTON", BS_GROUPBOX};
  }
  return {L"STATIC", 0};
}

bool HasWideCharacters(const wchar_t* s) {
  for (; *s; ++s) {
    if (*s > 0x7F) return true;
  }
  return false;
}

bool SameFont(const FontSpec& a, const FontSpec& b) {
  return lstrcmpW(a.face, b.face) == 0 && a.tenthsOfPoint == b.tenthsOfPoint && a.bold == b.bold &&
         a.underline == b.underline;
}

// Whether the system has a font family of that name, in any character set:
// with a face name given, EnumFontFamiliesExW lists only that family
// ("EnumFontFamiliesExW function", Microsoft Learn).
int CALLBACK NoteFamilyFound(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
  *reinterpret_cast<bool*>(found) = true;
  return 0;  // one is enough
}

bool FaceInstalled(std::wstring_view face) {
  LOGFONTW wanted{};
  wanted.lfCharSet = DEFAULT_CHARSET;
  if (face.size() >= LF_FACESIZE) return false;
  face.copy(wanted.lfFaceName, face.size());
  bool found = false;
  const WindowDc screen(nullptr);
  EnumFontFamiliesExW(screen.get(), &wanted, NoteFamilyFound, reinterpret_cast<LPARAM>(&found), 0);
  return found;
}

}  // namespace

Font MakeFont(const FontSpec& font, UINT dpi) {
  const int height = -MulDiv(font.tenthsOfPoint, static_cast<int>(dpi), 720);
  const std::wstring face(ChooseFace(font.face, FaceInstalled));
  const DWORD charset = HasWideCharacters(font.face) ? GB2312_CHARSET : DEFAULT_CHARSET;
  return Font(CreateFontW(height, 0, 0, 0, font.bold ? FW_BOLD : FW_NORMAL, FALSE, font.underline, FALSE, charset,
                          OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                          face.c_str()));
}

std::wstring GetText(HWND control) {
  const int length = GetWindowTextLengthW(control);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  const int copied = GetWindowTextW(control, text.data(), length + 1);
  text.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
  return text;
}

void SetText(HWND control, const std::wstring& text) { SetWindowTextW(control, text.c_str()); }

void ControlSet::Create(HWND parent, std::span<const ControlSpec> table, const FontSpec& font) {
  parent_ = parent;
  // Lets Tab move between the controls (see RunMessageLoop).
  SetWindowLongPtrW(parent, GWL_EXSTYLE, GetWindowLongPtrW(parent, GWL_EXSTYLE) | WS_EX_CONTROLPARENT);
  const UINT dpi = WindowDpi(parent);
  for (const ControlSpec& layout : table) {
    const ClassAndStyle cs = ClassFor(layout);
    const DWORD style = WS_CHILD | WS_VISIBLE | cs.style | layout.extraStyle | (layout.startsGroup ? WS_GROUP : 0u);
    const DWORD exStyle = (layout.kind == ControlKind::Edit || layout.kind == ControlKind::MultiLineEdit ||
                           layout.kind == ControlKind::ListBox)
                              ? WS_EX_CLIENTEDGE
                              : 0;
    // The client edge replaces the thin border on text and list boxes.
    const DWORD finalStyle = exStyle ? (style & ~WS_BORDER) : style;
    HWND hwnd = CreateWindowExW(exStyle, cs.className, layout.text ? layout.text : L"", finalStyle,
                                TwipsToPixels(layout.left, dpi), TwipsToPixels(layout.top, dpi),
                                TwipsToPixels(layout.width, dpi), TwipsToPixels(layout.height, dpi), parent,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(layout.id)),
                                GetModuleHandleW(nullptr), nullptr);
    // Each control gets its font once: a text box lays its text out again
    // for every font it is given.
    entries_.push_back({layout, hwnd, layout.font ? *layout.font : font});
  }
  ApplyFonts(dpi);
}

HWND ControlSet::Get(int id) const {
  for (const Entry& e : entries_) {
    if (e.layout.id == id) return e.hwnd;
  }
  return nullptr;
}

HWND ControlSet::FirstInput() const {
  HWND firstStop = nullptr;
  for (const Entry& e : entries_) {
    const LONG_PTR style = GetWindowLongPtrW(e.hwnd, GWL_STYLE);
    // The window itself may not be shown yet: the controls' own styles decide.
    if ((style & WS_VISIBLE) == 0 || (style & WS_DISABLED) != 0) continue;
    const bool box = e.layout.kind == ControlKind::Edit || e.layout.kind == ControlKind::MultiLineEdit;
    if (box && (style & ES_READONLY) == 0) return e.hwnd;
    if (!firstStop && (style & WS_TABSTOP) != 0) firstStop = e.hwnd;
  }
  return firstStop;
}

int ControlSet::IdOf(HWND control) const {
  for (const Entry& e : entries_) {
    if (e.hwnd == control) return e.layout.id;
  }
  return 0;
}

void ControlSet::SetFont(int id, const FontSpec& font) {
  // Only this control changes; the others keep their fonts. A font no control
  // uses any more stays with the set until the DPI changes or the set goes.
  for (Entry& e : entries_) {
    if (e.layout.id != id) continue;
    e.font = font;
    SendMessageW(e.hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(FontFor(font)), TRUE);
  }
}

void ControlSet::SetTextColor(int id, COLORREF color) {
  colors_[id] = color;
  if (HWND h = Get(id)) InvalidateRect(h, nullptr, TRUE);
}

HBRUSH ControlSet::Colorize(UINT message, HDC dc, HWND control, COLORREF background, HBRUSH backgroundBrush,
                            bool highContrast) const {
  const int id = IdOf(control);
  if (!id || highContrast) return nullptr;
  const auto color = colors_.find(id);
  const bool coloured = color != colors_.end();
  if (message == WM_CTLCOLOREDIT || message == WM_CTLCOLORLISTBOX) {
    // Text and list boxes keep the window colour; only their text is coloured.
    if (!coloured) return nullptr;
    return CustomColours(dc, color->second, GetSysColor(COLOR_WINDOW), GetSysColorBrush(COLOR_WINDOW), false);
  }
  // Disabled or read-only text boxes also ask with WM_CTLCOLORSTATIC.
  wchar_t className[16]{};
  GetClassNameW(control, className, 16);
  if (lstrcmpiW(className, L"Edit") == 0) {
    if (!coloured) return nullptr;
    return CustomColours(dc, color->second, GetSysColor(COLOR_BTNFACE), GetSysColorBrush(COLOR_BTNFACE), false);
  }
  SetBkMode(dc, TRANSPARENT);
  return CustomColours(dc, coloured ? color->second : GetSysColor(COLOR_BTNTEXT), background, backgroundBrush, false);
}

void ControlSet::Relayout(UINT dpi) {
  for (const Entry& e : entries_) {
    SetWindowPos(e.hwnd, nullptr, TwipsToPixels(e.layout.left, dpi), TwipsToPixels(e.layout.top, dpi),
                 TwipsToPixels(e.layout.width, dpi), TwipsToPixels(e.layout.height, dpi),
                 SWP_NOZORDER | SWP_NOACTIVATE);
  }
  ApplyFonts(dpi);
}

void ControlSet::ApplyFonts(UINT dpi) {
  // New fonts first, then the controls switch, then the old fonts go.
  // Controls with the same font share one handle.
  const std::vector<Font> old = std::move(fonts_);
  fonts_.clear();
  fontSpecs_.clear();
  for (const Entry& e : entries_) {
    SendMessageW(e.hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(FontFor(e.font, dpi)), TRUE);
  }
}

HFONT ControlSet::FontFor(const FontSpec& font) { return FontFor(font, WindowDpi(parent_)); }

HFONT ControlSet::FontFor(const FontSpec& font, UINT dpi) {
  for (std::size_t i = 0; i < fontSpecs_.size(); ++i) {
    if (SameFont(fontSpecs_[i], font)) return fonts_[i].get();
  }
  fonts_.push_back(MakeFont(font, dpi));
  fontSpecs_.push_back(font);
  return fonts_.back().get();
}

}  // namespace ui
