#pragma once
// When the program ends: once the last window that the user can see or bring
// back has closed. The program's hidden helper windows (a capture viewer that
// only holds a picture, the shot windows of a continuous capture) never keep
// it alive, and neither do windows the system makes on the program's behalf
// (menus, input-method windows, message boxes).

#include <span>

namespace velmora {

struct TopLevelWindow {
  bool programClass = false;  // a window class of the program itself
  bool helper = false;        // marked as not keeping the program alive
  bool closing = false;       // the window being destroyed right now
};

bool KeepsProgramAlive(const TopLevelWindow& window);
// True while at least one of the windows keeps the program alive.
bool ProgramStaysAlive(std::span<const TopLevelWindow> windows);

}  // namespace velmora
