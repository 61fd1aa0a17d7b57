#pragma once
// Child controls placed from layout tables in twips, with fonts by face name
// and point size and per-control text colours. The set re-places everything
// and remakes its fonts when the window's DPI changes.

#include <windows.h>

#include <map>
#include <span>
#include <string>
#include <vector>

#include "ui/handles.h"
#include "ui/window.h"

namespace ui {

enum class ControlKind {
  Label,         // static text
  Button,        // push button
  OptionButton,  // radio button; the first of a group carries startsGroup
  Edit,          // single-line text box
  MultiLineEdit,
  ListBox,
  Frame,         // group box
};

struct FontSpec {
  const wchar_t* face = L"宋体";
  int tenthsOfPoint = 90;  // 10.5 pt is 105
  bool bold = false;
  bool underline = false;
};

struct ControlSpec {
  int id;
  ControlKind kind;
  const wchar_t* text;
  int left, top, width, height;  // twips, in the parent's client area
  DWORD extraStyle = 0;
  bool startsGroup = false;  // first option button of a group
  const FontSpec* font = nullptr;  // its own font, else the set's
};

// A font made for one DPI; Chinese faces get the GB2312 character set.
Font MakeFont(const FontSpec& font, UINT dpi);

std::wstring GetText(HWND control);
void SetText(HWND control, const std::wstring& text);

class ControlSet {
 public:
  // Creates the controls in table order (which is also the tab order).
  void Create(HWND parent, std::span<const ControlSpec> table, const FontSpec& font);

  HWND Get(int id) const;
  // Where the keyboard focus starts: the first enabled text box that takes
  // typing, or else the first enabled control that takes the focus by Tab.
  HWND FirstInput() const;

  void SetFont(int id, const FontSpec& font);
  // The set's font of that face, size and weight at its window's DPI, made
  // when the set has none yet and kept with the set until the DPI changes.
  HFONT FontFor(const FontSpec& font);
  void SetTextColor(int id, COLORREF color);

  // Answers WM_CTLCOLORSTATIC / WM_CTLCOLOREDIT / WM_CTLCOLORBTN for the set's
  // controls: their text colour (the system's button text where none was
  // given) on the parent's background. Returns nullptr for messages it does
  // not answer, and for every message under high contrast.
  HBRUSH Colorize(UINT message, HDC dc, HWND control, COLORREF background, HBRUSH backgroundBrush,
                  bool highContrast = HighContrastOn()) const;

  // Re-places the controls and remakes the fonts for a new DPI.
  void Relayout(UINT dpi);

 private:
  struct Entry {
    ControlSpec layout;
    HWND hwnd;
    FontSpec font;
  };
  void ApplyFonts(UINT dpi);
  HFONT FontFor(const FontSpec& font, UINT dpi);
  int IdOf(HWND control) const;

  HWND parent_ = nullptr;
  std::vector<Entry> entries_;
  std::map<int, COLORREF> colors_;
  std::vector<Font> fonts_;          // fonts made at the current DPI
  std::vector<FontSpec> fontSpecs_;  // what each of fonts_ was made from
};

}  // namespace ui
