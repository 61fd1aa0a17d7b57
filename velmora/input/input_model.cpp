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

std::wstring CutTitle(std::wstring_view title, std::size_t limit) {
  if (title.size() <= limit) return std::wstring(title);
  std::size_t end = limit;
  if (end > 0 && IsHighSurrogate(title[end - 1]) && IsLowSurrogate(title[end])) --end;
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
