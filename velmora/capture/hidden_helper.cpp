#include "velmora/capture/hidden_helper.h"

#include <utility>

namespace capture {
namespace {

std::function<void(HWND)>& HiddenHelperMark() {
  static std::function<void(HWND)> mark;
  return mark;
}

}  // namespace

void SetHiddenHelperMark(std::function<void(HWND)> mark) { HiddenHelperMark() = std::move(mark); }

void MarkHiddenHelper(HWND window) {
  if (window && HiddenHelperMark()) HiddenHelperMark()(window);
}

}  // namespace capture
