#pragma once
// Turning the bytes of a word-list or sentence file into text.
//
// The shipped lists are code page 936, but the editors users have today save
// UTF-8 (often without a byte order mark) or UTF-16, so the encoding is told
// from the bytes: a byte order mark decides first. Without one the file is
// code page 936 unless it is strict UTF-8 (no overlong forms, no surrogates,
// nothing above U+10FFFF) and reads clearly better so: many short Chinese
// texts in code page 936 are valid UTF-8 by chance (谢谢 is D0 BB D0 BB, лл),
// so both readings are scored by what lists hold (ideographs, the lists'
// signs, Greek and Latin letters) against what they do not (Cyrillic, IPA,
// Hebrew, combining marks from a Chinese file; pairs outside GB2312 from a
// UTF-8 one, except the GBK ideographs UTF-8 cannot imitate). A tie reads as code page 936: a file of one Latin-1 sign or
// one Greek letter whose two UTF-8 bytes also make a common ideograph (±,
// °, §, Ω, α-ο) cannot be told from that ideograph. Pure ASCII reads the
// same either way.
//
// Text is held as UTF-16 code units in std::wstring on every platform (on
// Windows that is the native form; on Linux each wchar_t holds one unit), so
// the keystroke plan and the menus see the same units everywhere.

#include <functional>
#include <string>
#include <string_view>

namespace words {

enum class ListEncoding { Utf8Bom, Utf16LeBom, Utf16BeBom, Utf8, CodePage936 };

// Decodes code-page-936 bytes to UTF-16 units. On Windows this is
// ui::DecodeCodePage(936, ...); tests inject a stand-in.
using CodePageDecoder = std::function<std::wstring(std::string_view bytes)>;

ListEncoding DetectListEncoding(std::string_view bytes);

// The whole file's text, byte order mark removed. Malformed sequences in a
// file marked as Unicode become U+FFFD; they never stop the decoding.
std::wstring DecodeListBytes(std::string_view bytes, const CodePageDecoder& decodeCodePage936);

}  // namespace words
