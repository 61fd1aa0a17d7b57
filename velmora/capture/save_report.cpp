#include "velmora/capture/save_report.h"

namespace capture {
namespace {

// The system's error codes for the failures a capture write meets.
enum : unsigned long {
  kFileNotFound = 2,
  kPathNotFound = 3,
  kAccessDenied = 5,
  kNotEnoughMemory = 8,
  kWriteProtect = 19,
  kNotReady = 21,
  kSharingViolation = 32,
  kHandleDiskFull = 39,
  kInvalidName = 123,
  kDiskFull = 112,
  kOutOfMemory = 14,
  kInvalidDrive = 15,
};

}  // namespace

std::wstring WriteFailureReason(unsigned long error) {
  switch (error) {
    case kAccessDenied: return L"没有写入权限";
    case kWriteProtect: return L"磁盘写保护";
    case kFileNotFound:
    case kPathNotFound:
    case kInvalidDrive:
    case kNotReady: return L"找不到该驱动器或文件夹";
    case kSharingViolation: return L"文件正被其他程序使用";
    case kDiskFull:
    case kHandleDiskFull: return L"磁盘空间不足";
    case kInvalidName: return L"文件名无效";
    case kNotEnoughMemory:
    case kOutOfMemory: return L"内存不足";
    default: return L"错误代码 " + std::to_wstring(error);
  }
}

std::wstring SaveMenuText(const SaveResult& result) {
  if (result.saved) return L"保存到: 《" + result.path + L"》";
  std::wstring text = L"抓屏未保存";
  if (result.attempts.empty()) return text + L"：没有可保存的图像";
  text += L"：";
  for (std::size_t i = 0; i < result.attempts.size(); ++i) {
    if (i) text += L"；";
    text += L"无法写入《" + result.attempts[i].path + L"》(" + WriteFailureReason(result.attempts[i].error) + L")";
  }
  return text;
}

namespace {

// The folder of a written file, or nothing for a capture that was not saved.
std::wstring PlaceOf(const SaveResult& result) {
  if (!result.saved) return {};
  return result.path.substr(0, result.path.find_last_of(L'\\') + 1);
}

}  // namespace

std::optional<std::wstring> SaveNoticeText(const SaveResult& result) {
  if (result.saved && result.path == result.named) return std::nullopt;
  if (!result.saved) return SaveMenuText(result);
  return L"抓屏已保存到：" + result.path;
}

std::vector<SavePlace> SavePlaces::Order() const {
  std::vector<SavePlace> order;
  if (last_) order.push_back(*last_);
  for (const SavePlace place : {SavePlace::Root, SavePlace::Pictures, SavePlace::LocalData}) {
    if (place != last_) order.push_back(place);
  }
  return order;
}

bool SaveNoticeGate::ShouldShow(const SaveResult& result) {
  const std::wstring place = PlaceOf(result);
  const bool moved = lastPlace_ != place;
  lastPlace_ = place;
  return moved && SaveNoticeText(result).has_value();
}

}  // namespace capture
