#pragma once
// Small services of the system that several programs use.

#include <windows.h>

#include <string>
#include <string_view>

#include "ui/handles.h"

namespace ui {

// Replaces the clipboard's contents with a Unicode text. Returns false when
// the clipboard could not be opened (another program holds it).
bool SetClipboardText(HWND owner, std::wstring_view text);
std::wstring GetClipboardText(HWND owner);
// Replaces the clipboard's contents with a bitmap and, when there is one,
// its palette. What the clipboard accepts becomes its own; the rest is freed.
bool SetClipboardBitmap(HWND owner, Bitmap bitmap, Palette palette);

// An information message box with one OK button.
void ShowInformation(HWND owner, const std::wstring& text, const std::wstring& caption);

// Opens a file, folder, program or address through the shell ("open", shown
// normally). Returns whether the shell accepted it.
bool ShellOpen(HWND owner, const std::wstring& target);
// Shows a file's folder in Explorer with the file selected, in a window
// already open on that folder where there is one, brought to the front.
bool ShowInFolder(HWND owner, const std::wstring& file);

// The running program's file version as "major.minor.revision" (1.1.0).
std::wstring ProgramVersionText();

// The full path of the running program's executable.
std::wstring ProgramPath();

// Decodes bytes of a code page (936 for the word lists and sentence files).
std::wstring DecodeCodePage(unsigned codePage, std::string_view bytes);
// The number of bytes the text takes in a code page; a character the code
// page lacks takes what its default character takes.
std::size_t EncodedLength(unsigned codePage, std::wstring_view text);

// A window timer that stops when its owner goes away.
class Timer {
 public:
  Timer() = default;
  Timer(const Timer&) = delete;
  Timer& operator=(const Timer&) = delete;
  ~Timer() { Stop(); }
  void Start(HWND hwnd, UINT_PTR id, UINT milliseconds);
  void Stop();
  bool Running() const { return hwnd_ != nullptr; }

 private:
  HWND hwnd_ = nullptr;
  UINT_PTR id_ = 0;
};

}  // namespace ui
