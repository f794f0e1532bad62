// The shell's execute operation itself. Kept apart from ShellOpen.h, whose
// names the Windows headers define as macros too.
#pragma once

#include <cstdint>
#include <string>

#include "platform/os/ProgramCheck.h"

namespace os {

// The outcome of one start through the shell.
struct ShellLaunch {
    int refusal = 0;                // errno for why the file was not handed over, else 0
    std::intptr_t shellResult = 0;  // the shell's own result (above 32: started)
};

// ShellExecuteW "open" of `target` in `directory` with no owner and no
// parameters, shown normally; an address goes to the default browser.
ShellLaunch OpenWithShell(const std::wstring& target, const std::wstring& directory);

// Starts the program file `path` (a system path) in `directory` through
// the shell, only when it is a regular file with one name and no link.
// It is held open meanwhile, denying writes, renames and deletion, so that
// what was checked is what starts; with `check`, its bytes are read through
// that handle first, and a refusal (refusal EBADMSG) starts nothing.
ShellLaunch StartProgramFile(const std::wstring& path, const std::wstring& directory,
                             const ProgramCheck* check = nullptr);

// Opens `path` as StartProgramFile does and runs `check` on its bytes,
// starting nothing; the refusal is 0 when the check accepted them.
ShellLaunch CheckProgramFile(const std::wstring& path, const ProgramCheck& check);

}  // namespace os
