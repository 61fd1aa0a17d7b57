#pragma once

#include <windows.h>

namespace ui {

// COM, apartment-threaded, on the thread that makes this object, for its
// lifetime: the shell's extensions and some file types need it. Made first
// in the wWinMain of every program that calls the shell.
class ComApartment {
 public:
  ComApartment();
  ComApartment(const ComApartment&) = delete;
  ComApartment& operator=(const ComApartment&) = delete;
  ~ComApartment();

 private:
  bool initialised_ = false;
};

}  // namespace ui
