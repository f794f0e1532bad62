// What the shell's "open" asks of each platform's back end, once the checks
// that every platform shares (the verb, an empty target) have
// passed. Paths are in the platform's own form (NativePath.h).
#pragma once

#include <cstdint>
#include <string>

#include "platform/os/ProgramCheck.h"

namespace os {

// Hands an http or https address to the user's browser; kShellOpenStarted or an SE_ERR_* value.
std::intptr_t StartWebAddress(const std::string& address, const std::string& directory);
// Starts the program `target` names (a bare name is looked up in
// `directory`) with `directory` as its working directory; kShellOpenStarted
// or an SE_ERR_* value. With `check`, only once the check has accepted
// the bytes of the file that starts (see StartCheckedProgram).
std::intptr_t StartProgramIn(const std::string& target, const std::string& directory,
                             const ProgramCheck* check = nullptr);
// Opens the program as StartProgramIn would and runs `check` on it, starting
// nothing; 0 when the check accepted it, else an SE_ERR_* value.
std::intptr_t CheckProgramIn(const std::string& target, const std::string& directory,
                             const ProgramCheck& check);
// Why nothing could open a file here, for SE_ERR_NOASSOC.
const char* NoOpenerReason();

}  // namespace os
