#pragma once
// The statement input window: browse to a file of prepared sentences, then
// type a chosen sentence into the window the user worked in last.

#include <windows.h>

#include <memory>
#include <string>
#include <utility>

#include "ui/controls.h"
#include "ui/file_browsers.h"
#include "ui/handles.h"
#include "ui/system.h"
#include "ui/window.h"
#include "velmora/input/input_model.h"
#include "velmora/words/keystroke.h"

namespace velmora {

class InputWindow : public ui::Window {
 public:
  enum ControlId : int {
    kList1 = 101, kDrive1, kDir1, kFile1, kLabel1,
    kFrame1, kLabel2, kList2, kLabel3, kCmdSend, kCommand2,
  };

  // `sentenceFolder` is where browsing starts at every load.
  explicit InputWindow(std::wstring sentenceFolder);

  // The program's one statement window, starting in AppPath + "语句\";
  // made on first use.
  static InputWindow& Shared(const std::wstring& appPath);

  // Loads the window (centred, the lists in the sentence folder, no
  // sentences yet) or, when it is open, brings it forward.
  void Open();

  // What is checked before a sentence is typed (see words::TypingGuard).
  void SetTypingGuard(words::TypingGuard guard) { guard_ = std::move(guard); }

  // The window that receives the sentences. It belongs to this object, not
  // to one load of the window, so closing and opening again keeps it.
  HWND InputTarget() const { return inputTarget_; }

 private:
  void OnCreate() override;
  void OnCommand(int id, int code, HWND control) override;
  void OnTimer(UINT_PTR id) override;
  void OnDpiChanged(UINT dpi) override;
  void OnDestroy() override;
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  void CreateBrowsers();
  void ApplyFonts();
  void ApplyResize();
  void PlaceControls() const;
  HWND Control(int id) const { return GetDlgItem(Handle(), id); }

  void OnDrive1Change();
  void OnDir1Change();
  void OnFile1Click();
  void Send();
  void ShowTarget(const std::wstring& title) const;

  const std::wstring sentenceFolder_;
  HWND inputTarget_ = nullptr;
  words::TypingGuard guard_;

  std::unique_ptr<ui::ControlSet> controls_;  // made anew at every load
  ui::DriveList drive1_;
  ui::FolderList dir1_;
  ui::FileList file1_;
  ui::Font browserFont_;  // Drive1 and Dir1
  ui::Font fileFont_;     // File1
  ui::Brush listBrush_;
  ui::Timer timer2_;
  input::ResizableLayout layout_;
};

// Opens the statement input window, or brings it forward when it is open.
// appPath ends with "\".
void OpenStatementWindow(const std::wstring& appPath, words::TypingGuard guard = {});

}  // namespace velmora
