#pragma once
// The full-screen capture viewer: a small top-most window holding one frozen
// picture of the screen, panned with the left or middle button and saved
// with the right button. Every activation of capture mode 1 opens one more.

#include <functional>
#include <string>

#include "ui/window.h"
#include "velmora/capture/capture_picture.h"
#include "velmora/capture/save_report.h"
#include "velmora/capture/viewer_model.h"

namespace capture {

class ViewerWindow : public ui::Window {
 public:
  ViewerWindow() = default;
  ~ViewerWindow() override;

  // Makes the window, still hidden, top-most for its whole life, its left
  // edge 1000 twips beyond the screen's and its caption "抓屏程序 " + time.
  bool Load();
  // Captures the screen into the picture and places it; loads first when
  // needed, so a new viewer is never in its own picture.
  void cap();
  void ShowBmp();

  const Picture& Image() const { return image_; }
  POINT ImagePosition() const { return {position_.x, position_.y}; }
  HWND AreaControl() const { return pic1_; }
  HWND ImageControl() const { return image1_; }
  const std::wstring& SaveName() const { return saveName_; }
  const SaveResult& LastSave() const { return lastSave_; }
  const std::wstring& SaveMenuCaption() const { return menuCaption_; }

 private:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void OnCreate() override;
  void OnDestroy() override;
  static LRESULT CALLBACK ChildProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT OnImageMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  void ResizePictureArea();
  void PaintImage();
  void PressImage(MouseButton button, Offset pointer);
  void MoveImage(Offset pointer, bool release);
  void SaveAndShowMenu(Offset pointer);
  void WriteSettings() const;
  Extent AreaExtent() const;
  ViewerMetrics Metrics() const { return ViewerMetrics::ForDpi(Dpi()); }

  HWND pic1_ = nullptr;
  HWND image1_ = nullptr;
  Picture image_;
  Offset position_;
  PanModel pan_;
  std::wstring saveName_;
  std::wstring menuCaption_;
  SaveResult lastSave_;
};

// Capture mode 1, as the "抓" button and Ctrl+Alt+V run it: the shared,
// never-shown viewer captures, then a new viewer captures the screen while
// hidden and is shown top-most. Returns the new viewer (owned here; it lives
// until its window closes), or nullptr when no window could be made.
ViewerWindow* RunFullScreenCapture();

// Viewers whose windows are still open (the shared hidden one not counted).
std::size_t OpenViewerCount();

// The program decides what keeps it running; capture only tells it which of
// its windows are never shown to the user (the shared viewer, shot windows).
// The program hands in how such a window is marked; without it nothing is.
void SetHiddenHelperMark(std::function<void(HWND)> mark);
void MarkHiddenHelper(HWND window);

}  // namespace capture
