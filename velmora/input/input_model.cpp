#include "velmora/input/input_model.h"

#include "ui/folder_chain.h"

namespace velmora::input {
namespace {

bool IsHighSurrogate(wchar_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool IsLowSurrogate(wchar_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

}  // namespace

bool IsOwnTitle(std::wstring_view title, std::wstring_view caption) {
  if (!title.starts_with(caption)) return false;
  // Searched from the second unit, so an occurrence overlapping the first
  // one counts as a second too.
  return caption.empty() || title.find(caption, 1) == std::wstring_view::npos;
}

std::wstring CutTitle(std::wstring_view title, const CodePageLength& bytesOf, std::size_t limit) {
  std::size_t end = 0, bytes = 0;
  while (end < title.size()) {
    const bool pair = end + 1 < title.size() && IsHighSurrogate(title[end]) && IsLowSurrogate(title[end + 1]);
    const std::wstring_view character = title.substr(end, pair ? 2 : 1);
    bytes += bytesOf(character);
    if (bytes > limit) break;
    end += character.size();
  }
  return std::wstring(title.substr(0, end));
}

std::wstring JoinFilePath(std::wstring_view folder, std::wstring_view name) { return ui::JoinFolder(folder, name); }

ResizableLayout Resize(const ResizableLayout& current, int outerWidth, int outerHeight) {
  ResizableLayout next = current;
  const int list1Width = outerWidth - current.list1.left - 200;
  if (list1Width >= 0) next.list1.width = list1Width;
  const int list1Height = outerHeight - current.list1.top - 1200;
  if (list1Height >= 0) next.list1.height = list1Height;
  const int file1Height = outerHeight - current.file1.top - 1200;
  if (file1Height >= 0) next.file1.height = file1Height;
  next.frame1.top = outerHeight - 1000;
  return next;
}

}  // namespace velmora::input
