#include "velmora/capture/capture_file_name.h"

#include <cstdio>

namespace capture {
namespace {

// Years before 1000 would otherwise lose digits; the clock never gives
// negative fields, but a bad one still yields a well-formed name.
std::wstring Digits(int value, int width) {
  wchar_t text[16];
  std::swprintf(text, std::size(text), L"%0*d", width, value < 0 ? 0 : value);
  return text;
}

}  // namespace

std::wstring FormatCaptureTime(const LocalTime& t, TimeLayout layout) {
  std::wstring text = Digits(t.year, 4) + Digits(t.month, 2) + Digits(t.day, 2);
  if (layout == TimeLayout::Separated) text += L'_';
  return text + Digits(t.hour, 2) + Digits(t.minute, 2) + Digits(t.second, 2);
}

std::wstring CaptureFileName(const LocalTime& time, TimeLayout layout) {
  return std::wstring(kCaptureFilePrefix) + FormatCaptureTime(time, layout) + std::wstring(kCaptureFileExtension);
}

std::wstring_view FileLeaf(std::wstring_view path) {
  const std::size_t slash = path.find_last_of(L"\\/");
  return slash == std::wstring_view::npos ? path : path.substr(slash + 1);
}

std::wstring PathInFolder(std::wstring_view folder, std::wstring_view fileName) {
  std::wstring path(folder);
  if (!path.empty() && path.back() != L'\\' && path.back() != L'/') path += L'\\';
  return path + std::wstring(FileLeaf(fileName));
}

}  // namespace capture
