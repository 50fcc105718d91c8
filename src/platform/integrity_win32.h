// A process's integrity level, read from its token: what Win32WindowSystem
// reports and what Win32Shell takes to say whether the program is elevated.
#pragma once

#include <cstdint>

namespace hovrel {

// The last part of the token's integrity label (SECURITY_MANDATORY_*_RID);
// 0 when the process cannot be opened or its token read.
std::uint32_t IntegrityLevel(std::uint32_t processId);
// The program's own, read once.
std::uint32_t OwnIntegrityLevel();

}  // namespace hovrel
