#include "velmora/words/word_list_file.h"

#include <windows.h>

#include <algorithm>

#include "ui/handles.h"
#include "ui/system.h"
#include "velmora/words/word_list_decoder.h"

namespace words {
namespace {

std::string ReadFileBytes(const std::wstring& path, std::size_t limit) {
  const ui::File file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                  nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return {};
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(file.get(), &size) || size.QuadPart <= 0) return {};
  std::string bytes(std::min<std::size_t>(static_cast<std::size_t>(size.QuadPart), limit), '\0');
  std::size_t done = 0;
  while (done < bytes.size()) {
    DWORD got = 0;
    const DWORD want = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1u << 20));
    if (!ReadFile(file.get(), bytes.data() + done, want, &got, nullptr) || got == 0) break;
    done += got;
  }
  bytes.resize(done);  // a read that fails half-way keeps what came
  return bytes;
}

}  // namespace

ListLines ReadWordListFile(const std::wstring& path) {
  const std::string bytes = ReadFileBytes(path, kMaxListFileBytes);
  const std::wstring text =
      DecodeListBytes(bytes, [](std::string_view cp936) { return ui::DecodeCodePage(936, cp936); });
  return SplitListLines(text);
}

std::vector<ListMenuItem> LoadListMenuItems(const std::wstring& path, std::wstring_view defaultCaption,
                                            Ampersands ampersands) {
  return ListMenuItems(ReadWordListFile(path).lines, defaultCaption, ampersands);
}

}  // namespace words
