// Another program that has taken Ctrl+Alt+C: registers it and waits until
// it is ended. Exits with 1 when the key could not be taken.
#include <windows.h>

int wmain() {
  if (!RegisterHotKey(nullptr, 1, MOD_CONTROL | MOD_ALT, 'C')) return 1;
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
  }
  return 0;
}
