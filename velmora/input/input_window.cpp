#include "velmora/input/input_window.h"

#include <string_view>

#include "velmora/words/keystroke.h"
#include "velmora/words/typing_guard.h"
#include "velmora/words/word_list_file.h"

namespace velmora {
namespace {

constexpr COLORREF kBackground = RGB(192, 192, 255);
constexpr COLORREF kListColour = RGB(255, 192, 255);
constexpr UINT_PTR kTimer2 = 2;
constexpr UINT kTrackingMilliseconds = 500;
constexpr double kRaiseWait = 0.3;  // seconds for the target to become active

constexpr int kClientWidth = 12240;
constexpr int kClientHeight = 9060;

constexpr ui::FontSpec kFormFont{L"宋体", 90};
constexpr ui::FontSpec kBrowserFont{L"MS Serif", 90};

// MS Serif has no Chinese characters; asking for the GB2312 character set
// lets the system take its face where it can and a Chinese one for folder
// names that need it.
ui::Font MakeBrowserFont(UINT dpi) {
  const int height = -MulDiv(kBrowserFont.tenthsOfPoint, static_cast<int>(dpi), 720);
  return ui::Font(CreateFontW(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, GB2312_CHARSET, OUT_DEFAULT_PRECIS,
                              CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY, DEFAULT_PITCH | FF_ROMAN, kBrowserFont.face));
}

// The design sizes of the controls that follow the window's size.
constexpr input::ResizableLayout kDesign{};
constexpr int kFrameLeft = kDesign.frame1.left;
constexpr int kFrameTop = kDesign.frame1.top;
// A drop-down list's window height includes its open list; the closed field
// takes its height from the font.
constexpr int kDriveListRoom = 8 * 240;

using ui::ControlKind;
// Creation order is the tab order: the sentence list first. The bottom
// bar's controls stand at the bar's design position plus their own.
constexpr ui::ControlSpec kLayout[] = {
    {InputWindow::kList1, ControlKind::ListBox, L"", kDesign.list1.left, kDesign.list1.top, kDesign.list1.width,
     kDesign.list1.height},
    {InputWindow::kLabel1, ControlKind::Label, L"请选择文件:", 255, 2190, 2055, 375, WS_CLIPSIBLINGS},
    {InputWindow::kFrame1, ControlKind::Frame, L"", kFrameLeft, kFrameTop, kDesign.frame1.width, kDesign.frame1.height,
     WS_CLIPSIBLINGS},
    {InputWindow::kLabel2, ControlKind::Label, L"发送给:", kFrameLeft + 0, kFrameTop + 120, 975, 255},
    {InputWindow::kList2, ControlKind::ListBox, L"", kFrameLeft + 720, kFrameTop + 60, 2220, 240},
    {InputWindow::kLabel3, ControlKind::Label,
     L"说明:用鼠标激活要接收文字的窗口,再回来点击发送即可,可以发送到QQ,MSN,WORD,CAD.............",
     kFrameLeft + 3480, kFrameTop + 75, 4665, 360},
    {InputWindow::kCmdSend, ControlKind::Button, L"发送", kFrameLeft + 8925, kFrameTop + 0, 855, 375},
    {InputWindow::kCommand2, ControlKind::Button, L"关闭", kFrameLeft + 10455, kFrameTop + 30, 1035, 375},
};
// Drive1 and Dir1 are made by the browsing lists themselves. List1, File1
// and Frame1 follow the window's size; the bar's controls follow the bar.
struct BrowserPlace {
  int id;
  input::TwipsRect at;
};
constexpr BrowserPlace kBrowserLayout[] = {
    {InputWindow::kDrive1, {210, 60, 2535, 315 + kDriveListRoom}},
    {InputWindow::kDir1, {210, 420, 2535, 2115}},
};

bool FollowsTheBar(const ui::ControlSpec& c) { return c.top >= kFrameTop && c.id != InputWindow::kFrame1; }

// The whole title, however long; the tracking rule cuts it.
std::wstring WindowTitle(HWND window) {
  if (!window) return {};
  std::wstring title(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  const int n = GetWindowTextW(window, title.data(), static_cast<int>(title.size()));
  title.resize(n > 0 ? static_cast<std::size_t>(n) : 0);
  return title;
}

std::wstring ListText(HWND list, LRESULT index) {
  const LRESULT length = SendMessageW(list, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
  if (length <= 0) return {};
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  const LRESULT n = SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
  text.resize(n > 0 ? static_cast<std::size_t>(n) : 0);
  return text;
}

// The drive list's dropped-down list asks for its colours with
// WM_CTLCOLORLISTBOX ("WM_CTLCOLORLISTBOX message"); it is a window of its
// own, found through GetComboBoxInfo. Its selection field asks as the drive
// list itself, with WM_CTLCOLORLISTBOX or (in Wine) WM_CTLCOLOREDIT.
bool IsDrive1Part(HWND drive1, HWND list) {
  if (list == drive1) return true;
  COMBOBOXINFO info{};
  info.cbSize = sizeof info;
  return GetComboBoxInfo(drive1, &info) && info.hwndList == list;
}

void Place(HWND control, const input::TwipsRect& r, UINT dpi) {
  SetWindowPos(control, nullptr, ui::TwipsToPixels(r.left, dpi), ui::TwipsToPixels(r.top, dpi),
               ui::TwipsToPixels(r.width, dpi), ui::TwipsToPixels(r.height, dpi), SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

InputWindow::InputWindow(std::wstring sentenceFolder) : sentenceFolder_(std::move(sentenceFolder)) {}

InputWindow& InputWindow::Shared(const std::wstring& appPath) {
  static InputWindow window(appPath + std::wstring(input::kSentenceFolder));
  return window;
}

void InputWindow::Open() {
  if (Exists()) {
    ShowWindow(Handle(), IsIconic(Handle()) ? SW_RESTORE : SW_SHOW);
    SetForegroundWindow(Handle());
    BringWindowToTop(Handle());
    return;
  }
  ui::WindowOptions options;
  options.className = L"VelmoraInputWindow";
  options.style = WS_OVERLAPPEDWINDOW;
  options.clientWidthTwips = kClientWidth;
  options.clientHeightTwips = kClientHeight;
  options.placement = ui::Placement::CenterScreen;
  options.background = kBackground;
  if (!Create(options)) return;
  ApplyResize();
  Show(SW_SHOWNORMAL);
  SetForegroundWindow(Handle());
}

void InputWindow::OnCreate() {
  layout_ = {};
  if (!listBrush_) listBrush_.reset(CreateSolidBrush(kListColour));
  controls_ = std::make_unique<ui::ControlSet>();
  controls_->Create(Handle(), kLayout, kFormFont);
  CreateBrowsers();
  ApplyFonts();
  file1_.SetPattern(input::kSentencePattern);

  // Until the sentence folder is set, the lists show the current folder;
  // they stay there when it is missing.
  if (dir1_.SetPath(L".")) {
    drive1_.SelectDriveOf(dir1_.Path());
    OnDir1Change();
  }
  if (drive1_.SelectDriveOf(sentenceFolder_)) OnDrive1Change();
  if (dir1_.SetPath(sentenceFolder_)) OnDir1Change();
  SetWindowTextW(Handle(), std::wstring(input::kInputCaption).c_str());
  timer2_.Start(Handle(), kTimer2, kTrackingMilliseconds);
}

void InputWindow::CreateBrowsers() {
  const HWND list1 = Control(kList1);
  drive1_.Create(Handle(), kDrive1);
  dir1_.Create(Handle(), kDir1);
  file1_.Create(Handle(), kFile1);
  // The tab order goes on from the sentence list to the browsing lists.
  SetWindowPos(drive1_.Handle(), list1, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  SetWindowPos(dir1_.Handle(), drive1_.Handle(), 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  SetWindowPos(file1_.Handle(), dir1_.Handle(), 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  // The label reaches into the folder list and the bar surrounds its
  // controls: both lie beneath everything else, so the list covers the
  // label's lower part and the bar never paints over what it holds.
  for (const int id : {kLabel1, kFrame1}) {
    SetWindowPos(Control(id), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
}

void InputWindow::ApplyFonts() {
  // New fonts first, then the lists switch, then the old fonts go.
  ui::Font browserFont = MakeBrowserFont(Dpi());
  ui::Font fileFont = ui::MakeFont(kFormFont, Dpi());
  SendMessageW(drive1_.Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(browserFont.get()), TRUE);
  dir1_.SetFont(browserFont.get());
  SendMessageW(file1_.Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(fileFont.get()), TRUE);
  browserFont_ = std::move(browserFont);
  fileFont_ = std::move(fileFont);
}

void InputWindow::OnDpiChanged(UINT dpi) {
  if (controls_) controls_->Relayout(dpi);
  ApplyFonts();
  PlaceControls();
}

void InputWindow::ApplyResize() {
  RECT outer{};
  if (!GetWindowRect(Handle(), &outer)) return;
  const UINT dpi = Dpi();
  layout_ = input::Resize(layout_, ui::PixelsToTwips(outer.right - outer.left, dpi),
                          ui::PixelsToTwips(outer.bottom - outer.top, dpi));
  PlaceControls();
}

void InputWindow::PlaceControls() const {
  const UINT dpi = Dpi();
  const int frameShift = layout_.frame1.top - kFrameTop;
  for (const ui::ControlSpec& c : kLayout) {
    if (FollowsTheBar(c)) Place(Control(c.id), {c.left, c.top + frameShift, c.width, c.height}, dpi);
  }
  for (const BrowserPlace& b : kBrowserLayout) Place(Control(b.id), b.at, dpi);
  Place(Control(kList1), layout_.list1, dpi);
  Place(Control(kFile1), layout_.file1, dpi);
  Place(Control(kFrame1), layout_.frame1, dpi);
}

void InputWindow::OnDestroy() {
  timer2_.Stop();
  // The controls are gone; their fonts go with them.
  controls_.reset();
  browserFont_.reset();
  fileFont_.reset();
}

// ---- browsing ---------------------------------------------------------

void InputWindow::OnDrive1Change() {
  if (dir1_.SetPath(drive1_.Drive())) return OnDir1Change();
  // Not ready: the drive list goes back to the drive the folders are on.
  drive1_.SelectDriveOf(dir1_.Path());
}

void InputWindow::OnDir1Change() { file1_.SetPath(dir1_.Path()); }

void InputWindow::OnFile1Click() {
  const HWND list1 = Control(kList1);
  SendMessageW(list1, LB_RESETCONTENT, 0, 0);
  const std::wstring name = file1_.FileName();
  if (name.empty()) return;
  // A file that has gone or cannot be read gives the lines read so far, or none.
  const words::ListLines lines = words::ReadWordListFile(input::JoinFilePath(dir1_.Path(), name));
  SendMessageW(list1, WM_SETREDRAW, FALSE, 0);
  for (const std::wstring& line : lines.lines) {
    SendMessageW(list1, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.c_str()));
  }
  SendMessageW(list1, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(list1, nullptr, TRUE);
}

// ---- tracking and sending ---------------------------------------------

void InputWindow::OnTimer(UINT_PTR id) {
  if (id != kTimer2) return;
  const HWND foreground = GetForegroundWindow();
  const auto change = input::TrackForeground(foreground, WindowTitle(foreground), [](std::wstring_view c) {
    return ui::EncodedLength(936, c);
  });
  if (!change) return;
  inputTarget_ = change->target;
  ShowTarget(change->title);
}

void InputWindow::ShowTarget(const std::wstring& title) const {
  const HWND list2 = Control(kList2);
  // Rewritten only when it changes, so the line does not flicker every tick.
  if (SendMessageW(list2, LB_GETCOUNT, 0, 0) == 1 && SendMessageW(list2, LB_GETCURSEL, 0, 0) == 0 &&
      ListText(list2, 0) == title) {
    return;
  }
  SendMessageW(list2, LB_RESETCONTENT, 0, 0);
  SendMessageW(list2, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(title.c_str()));
  SendMessageW(list2, LB_SETCURSEL, 0, 0);
}

void InputWindow::Send() {
  BringWindowToTop(inputTarget_);  // no target, or a closed one: fails quietly
  // Events keep flowing during the wait, so a tick, a click or even "关闭"
  // may run here; the sentence is read only afterwards.
  ui::Delay(kRaiseWait);
  if (!Exists()) return;
  const HWND list1 = Control(kList1);
  const LRESULT selected = SendMessageW(list1, LB_GETCURSEL, 0, 0);
  if (selected < 0) return;
  try {
    const std::wstring sentence = ListText(list1, selected);
    // Windows would drop the keys without a word: the sentence goes to the
    // clipboard instead, and the user is told to paste it.
    if (guard_.outranksUs && guard_.outranksUs(words::KeysReceiver(inputTarget_))) {
      ui::SetClipboardText(Handle(), sentence);
      if (guard_.tell) guard_.tell(std::wstring(words::kPasteInsteadNotice));
      return;
    }
    words::TypeKeystrokes(sentence);  // a refused key is skipped
  } catch (...) {
    // Out of memory for a huge sentence: it is simply not typed.
  }
}

// ---- messages ---------------------------------------------------------

void InputWindow::OnCommand(int id, int code, HWND) {
  if (id == kDrive1 && code == CBN_DROPDOWN) {
    drive1_.Refresh();  // a stick plugged in since the window opened
  } else if (id == kDrive1 && code == CBN_SELCHANGE) {
    OnDrive1Change();
  } else if (id == kDir1 && code == LBN_DBLCLK) {
    if (dir1_.OpenSelected()) OnDir1Change();
  } else if (id == kFile1 && code == LBN_SELCHANGE) {
    OnFile1Click();
  } else if ((id == kList1 && code == LBN_DBLCLK) || (id == kCmdSend && code == BN_CLICKED)) {
    Send();
  } else if (id == kCommand2 && code == BN_CLICKED) {
    Destroy();
  }
}

LRESULT InputWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SIZE:
      if (wParam != SIZE_MINIMIZED && controls_) ApplyResize();
      return 0;
    case WM_DRAWITEM:
      if (wParam == kDir1) {
        // Under high contrast the list keeps the system's window colour.
        dir1_.Draw(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam),
                   ui::HighContrastOn() ? GetSysColorBrush(COLOR_WINDOW) : listBrush_.get());
        return TRUE;
      }
      break;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX: {
      const HWND list = reinterpret_cast<HWND>(lParam);
      const int id = GetDlgCtrlID(list);
      const bool listOrFile = message == WM_CTLCOLORLISTBOX && (id == kList1 || id == kList2 || id == kDir1 || id == kFile1);
      if (!listOrFile && !IsDrive1Part(drive1_.Handle(), list)) break;
      if (HBRUSH brush = ui::CustomColours(reinterpret_cast<HDC>(wParam), GetSysColor(COLOR_WINDOWTEXT), kListColour,
                                           listBrush_.get())) {
        return reinterpret_cast<LRESULT>(brush);
      }
      break;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
      if (controls_) {
        if (HBRUSH brush = controls_->Colorize(message, reinterpret_cast<HDC>(wParam),
                                               reinterpret_cast<HWND>(lParam), Background(), BackgroundBrush())) {
          return reinterpret_cast<LRESULT>(brush);
        }
      }
      break;
    default:
      break;
  }
  return Window::OnMessage(message, wParam, lParam);
}

void OpenStatementWindow(const std::wstring& appPath, words::TypingGuard guard) {
  InputWindow& window = InputWindow::Shared(appPath);
  window.SetTypingGuard(std::move(guard));
  window.Open();
}

}  // namespace velmora
