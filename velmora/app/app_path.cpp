#include "velmora/app/app_path.h"

namespace velmora {

std::wstring AppPath(std::wstring_view executablePath) {
  const std::size_t slash = executablePath.find_last_of(L"\\/");
  // A bare file name means the current folder.
  if (slash == std::wstring_view::npos) return L".\\";
  std::wstring folder(executablePath.substr(0, slash));
  // Doubled separators ("C:\\Velmora.exe", "C:\Tools\\x.exe") leave extras
  // behind the folder; they are dropped so that exactly one remains.
  while (!folder.empty() && (folder.back() == L'\\' || folder.back() == L'/')) folder.pop_back();
  return folder + L'\\';
}

}  // namespace velmora
