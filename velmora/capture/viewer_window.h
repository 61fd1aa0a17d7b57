#pragma once
// The full-screen capture viewer: a small top-most window holding one frozen
// picture of the screen, panned with the left or middle button, zoomed with
// the wheel (a double-click or Ctrl+0 goes back to 1:1, or from 1:1 to the
// whole picture) and saved with the right button. Every activation of
// capture mode 1 opens one more.

#include <optional>
#include <string>

#include "ui/window.h"
#include "velmora/capture/capture_picture.h"
#include "velmora/capture/foreground_keeper.h"
#include "velmora/capture/measure_window.h"
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
  // Holds and places a picture captured before (loads first when needed).
  void SetPicture(SharedPicture picture);
  void ShowBmp();

  const Picture& Image() const;
  SharedPicture SharedImage() const { return image_; }
  // The picture's top-left corner in the picture area, zoomed as shown.
  POINT ImagePosition() const;
  double Zoom() const { return zoom_.Scale(); }
  HWND AreaControl() const { return pic1_.Handle(); }
  HWND ImageControl() const { return image1_.Handle(); }
  const std::wstring& SaveName() const { return saveName_; }
  const SaveResult& LastSave() const { return lastSave_; }
  const std::wstring& SaveMenuCaption() const { return menuCaption_; }
  // The window in front again when the user closes this one (null: the
  // foreground window now); called before it is shown.
  void ReturnTo(HWND workedIn) { keeper_.Remember(workedIn); }

 private:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void OnCreate() override;
  void OnDestroy() override;
  std::optional<LRESULT> OnImageMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void ResizePictureArea();
  void PaintImage();
  void ShowView();
  void PressImage(MouseButton button, Offset pointer);
  void MoveImage(Offset pointer, bool release);
  void WheelImage(int delta, POINT screenPoint);
  void ToggleZoom(Offset inArea);
  void SaveAndShowMenu(Offset pointer);
  void WriteSettings() const;
  Extent AreaExtent() const;
  Extent SeenExtent() const;
  Extent PictureExtent() const { return {Image().Width(), Image().Height()}; }
  ViewerMetrics Metrics() const { return ViewerMetrics::ForDpi(Dpi()); }
  MeasureFrame Measuring() const;

  // Image1: the picture as panned and zoomed, over the whole of Pic1. Its
  // paint and mouse messages are the viewer's.
  class ImageBox : public ui::Window {
   public:
    explicit ImageBox(ViewerWindow& viewer) : viewer_(viewer) {}

   private:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    ViewerWindow& viewer_;
  };

  ui::Window pic1_;  // the picture area, filling the viewer
  ImageBox image1_{*this};
  SharedPicture image_;
  ZoomView zoom_;
  PanModel pan_;
  std::wstring saveName_;
  std::wstring menuCaption_;
  SaveResult lastSave_;
  ForegroundKeeper keeper_;
  MeasureOverlay measure_;  // lengths and circles over the picture, with Shift
};

}  // namespace capture
