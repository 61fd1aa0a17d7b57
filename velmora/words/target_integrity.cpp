// The integrity levels of our process and of a target window's process.
#include <windows.h>

#include <vector>

#include "ui/handles.h"
#include "velmora/words/keystroke.h"
#include "velmora/words/typing_guard.h"

namespace words {
namespace {

IntegrityReading Failed(DWORD error) {
  return {error == ERROR_ACCESS_DENIED ? IntegrityReading::Outcome::AccessDenied : IntegrityReading::Outcome::Unknown};
}

// The last sub-authority of the token's mandatory label ("GetTokenInformation",
// TokenIntegrityLevel, and "TOKEN_MANDATORY_LABEL", Microsoft Learn).
IntegrityReading ProcessIntegrity(HANDLE process) {
  HANDLE token = nullptr;
  if (!OpenProcessToken(process, TOKEN_QUERY, &token)) return Failed(GetLastError());
  const ui::KernelHandle owned(token);
  DWORD size = 0;
  GetTokenInformation(token, TokenIntegrityLevel, nullptr, 0, &size);
  std::vector<unsigned char> label(size);
  if (size < sizeof(TOKEN_MANDATORY_LABEL) ||
      !GetTokenInformation(token, TokenIntegrityLevel, label.data(), size, &size)) {
    return Failed(GetLastError());
  }
  const PSID sid = reinterpret_cast<const TOKEN_MANDATORY_LABEL*>(label.data())->Label.Sid;
  const UCHAR count = *GetSidSubAuthorityCount(sid);
  if (count == 0) return {};
  return {IntegrityReading::Outcome::Read, *GetSidSubAuthority(sid, count - 1)};
}

}  // namespace

bool WindowOutranksUs(HWND window) {
  DWORD id = 0;
  if (!window || !GetWindowThreadProcessId(window, &id) || id == 0) return false;
  if (id == GetCurrentProcessId()) return false;
  // The least access to a process there is, from Windows Vista on ("Process
  // Security and Access Rights", Microsoft Learn); a refusal, of it or of the
  // token, means the process is not ours to look into.
  const ui::KernelHandle process(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, id));
  const IntegrityReading target = process ? ProcessIntegrity(process.get()) : Failed(GetLastError());
  return TargetOutranksUs(ProcessIntegrity(GetCurrentProcess()), target);
}

HWND KeysReceiver(HWND target) {
  const HWND foreground = GetForegroundWindow();
  return foreground ? foreground : target;
}

}  // namespace words
