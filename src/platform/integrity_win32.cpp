// Integrity levels from advapi32, found at run time: the first screen needs
// none of it, and the import list stays that of the window and its drawing.
#include "platform/integrity_win32.h"

#include <windows.h>

#include "platform/owned_win32.h"
#include "platform/system_function_win32.h"

namespace hovrel {
namespace {

template <typename Function>
Function Advapi32(const char* name) {
  return SystemFunction<Function>(L"advapi32.dll", name);
}

std::uint32_t TokenIntegrity(HANDLE token) {
  static const auto getTokenInformation = Advapi32<decltype(&::GetTokenInformation)>("GetTokenInformation");
  static const auto subAuthorityCount = Advapi32<decltype(&::GetSidSubAuthorityCount)>("GetSidSubAuthorityCount");
  static const auto subAuthority = Advapi32<decltype(&::GetSidSubAuthority)>("GetSidSubAuthority");
  if (getTokenInformation == nullptr || subAuthorityCount == nullptr || subAuthority == nullptr) return 0;
  // The label's SID follows the label in the same buffer.
  alignas(TOKEN_MANDATORY_LABEL) BYTE buffer[sizeof(TOKEN_MANDATORY_LABEL) + SECURITY_MAX_SID_SIZE];
  DWORD size = 0;
  if (!getTokenInformation(token, TokenIntegrityLevel, buffer, sizeof buffer, &size)) return 0;
  const PSID sid = reinterpret_cast<const TOKEN_MANDATORY_LABEL*>(buffer)->Label.Sid;
  const UCHAR parts = *subAuthorityCount(sid);
  return parts == 0 ? 0 : *subAuthority(sid, parts - 1u);
}

}  // namespace

std::uint32_t IntegrityLevel(std::uint32_t processId) {
  static const auto openProcessToken = Advapi32<decltype(&::OpenProcessToken)>("OpenProcessToken");
  // The limited right is granted on processes of any level, also to a
  // program that runs at a lower one.
  const OwnedHandle process(::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId));
  HANDLE token = nullptr;
  if (process.get() == nullptr || openProcessToken == nullptr ||
      !openProcessToken(process.get(), TOKEN_QUERY, &token))
    return 0;
  const OwnedHandle owned(token);
  return TokenIntegrity(owned.get());
}

std::uint32_t OwnIntegrityLevel() {
  static const std::uint32_t own = IntegrityLevel(::GetCurrentProcessId());
  return own;
}

}  // namespace hovrel
