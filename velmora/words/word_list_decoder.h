#pragma once
// Turning the bytes of a word-list or sentence file into text.
//
// The shipped lists are code page 936, but the editors users have today save
// UTF-8 (often without a byte order mark) or UTF-16, so the encoding is told
// from the bytes: a byte order mark decides first; otherwise a file that is
// entirely valid UTF-8 and holds at least one non-ASCII sequence is UTF-8;
// anything else is code page 936. Pure ASCII reads the same either way.
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

// Strict UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF.
bool IsValidUtf8(std::string_view bytes);

// The whole file's text, byte order mark removed. Malformed sequences in a
// file marked as Unicode become U+FFFD; they never stop the decoding.
std::wstring DecodeListBytes(std::string_view bytes, const CodePageDecoder& decodeCodePage936);

}  // namespace words
