#pragma once
// Names of capture files: "c:\Kelvo抓屏" + the local time + ".bmp". Two
// layouts of the time are in use; files of the same second share one name.

#include <string>
#include <string_view>

namespace capture {

struct LocalTime {
  int year = 0, month = 0, day = 0;
  int hour = 0, minute = 0, second = 0;
};

enum class TimeLayout {
  Separated,  // "YYYYMMDD_HHMMSS": the viewer and the continuous capture
  Joined,     // "YYYYMMDDHHMMSS": the area picker
};

inline constexpr std::wstring_view kCaptureFilePrefix = L"c:\\Kelvo抓屏";
inline constexpr std::wstring_view kCaptureFileExtension = L".bmp";

std::wstring FormatCaptureTime(const LocalTime& time, TimeLayout layout);
std::wstring CaptureFileName(const LocalTime& time, TimeLayout layout);

// The last component of a path ("Kelvo抓屏….bmp" of "c:\Kelvo抓屏….bmp").
std::wstring_view FileLeaf(std::wstring_view path);

// The same file name inside another folder; a trailing backslash on the folder
// is optional.
std::wstring PathInFolder(std::wstring_view folder, std::wstring_view fileName);

}  // namespace capture
