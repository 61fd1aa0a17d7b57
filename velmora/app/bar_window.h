#pragma once
// The bar: a tiny borderless, top-most window in the lower right corner with
// the "菜" and "抓" buttons, dragged by its bare left strip. Everything the
// program offers opens from its popup menu (MyPopMenu2).

#include <memory>
#include <string>

#include "ui/controls.h"
#include "ui/system.h"
#include "ui/window.h"
#include "velmora/app/bar_model.h"
#include "velmora/app/bar_services.h"
#include "velmora/app/home_page_draw.h"
#include "velmora/app/menu_tree.h"
#include "velmora/app/popup_menu.h"

namespace velmora {

// The coloured panel that holds the two buttons and passes their clicks and
// keys on to the bar.
class BarPanel : public ui::Window {
 public:
  bool Open(HWND bar);
  void Relayout(UINT dpi);

 private:
  void OnCreate() override;
  void OnCommand(int id, int code, HWND control) override;
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  ui::ControlSet controls_;
};

class BarWindow : public ui::Window {
 public:
  BarWindow(const BarServices& services, const BarHost& host, std::wstring appPath, RandomSource random);
  bool Open();

  // The window that words are typed into.
  HWND TargetWindow() const { return reinterpret_cast<HWND>(tracker_->Target()); }
  // The window the user works in: the foreground one, or the target while
  // the bar is in front.
  HWND WindowWorkedIn() const {
    return reinterpret_cast<HWND>(tracker_->WorkedIn(reinterpret_cast<std::uintptr_t>(GetForegroundWindow())));
  }

  enum : int { kCmdData = 1, kCmdCap = 2 };  // the buttons' ids
  // The command of the hidden statement-input item: not in the popup menu,
  // yet a WM_COMMAND with this id (and no control) runs it.
  static constexpr int kCmdInput = 1000;

 private:
  void OnCreate() override;
  void OnCommand(int id, int code, HWND control) override;
  void OnTimer(UINT_PTR id) override;
  void OnDpiChanged(UINT dpi) override;
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  void PlaceInCorner();
  void LoadMenus();
  void PopUpMenu();
  void Run(UINT commandId);
  void RunAction(const MenuItem& item);
  void ChooseEntry(const std::wstring& array, int index);
  void HideWhile(const std::function<void()>& show);
  void OnPress(MouseButton button, LPARAM lParam);
  void OnDrag();
  void OnKey(WPARAM key);

  BarServices services_;
  BarHost host_;
  std::wstring appPath_;
  RandomSource random_;
  MenuTree tree_;
  static constexpr UINT kLoadMenus = WM_APP + 1;
  bool menusLoaded_ = false;
  MenuLists lists_;  // read at load; the popup menu shows them
  PopupMenu popup_;
  BarPanel panel_;
  BarDrag drag_;
  std::unique_ptr<ForegroundTracker> tracker_;
  ui::Timer timer2_;
};

}  // namespace velmora
