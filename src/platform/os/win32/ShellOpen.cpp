#include "platform/os/ShellOpen.h"

#include <cerrno>

#include "platform/os/NativePath.h"
#include "platform/os/ShellStart.h"
#include "platform/os/win32/ShellLaunch.h"
#include "platform/os/win32/SystemPath.h"
#include "platform/os/win32/WideText.h"

namespace os {
namespace {

// The shell's numbers where ours differ: 3 is its "path not found", and
// the association and DDE failures (27 to 30) mean nothing opens the file.
constexpr std::intptr_t kShellPathNotFound = 3;
constexpr std::intptr_t kShellAssociationIncomplete = 27;
constexpr std::intptr_t kShellDdeBusy = 30;
constexpr std::intptr_t kShellDllNotFound = 32;

// The file the shell would open for `target`: a name with a directory part
// as given, a bare name inside `directory`.
std::string ResolveFile(const std::string& target, const std::string& directory) {
    std::string native = ToNativePath(target.c_str());
    if (native.find_first_of("\\:") != std::string::npos || directory.empty()) return native;
    return directory.back() == '\\' ? directory + native : directory + "\\" + native;
}

std::intptr_t ResultOfRefusal(int error) {
    switch (error) {
        case ENOENT:
        case ENOTDIR:
            return SE_ERR_FNF;
        case EACCES:
        case EPERM:
            return SE_ERR_ACCESSDENIED;
        case EBUSY:
        case ETXTBSY:
            return SE_ERR_SHARE;
        case ENOMEM:
        case EMFILE:
            return SE_ERR_OOM;
        case ENAMETOOLONG:
            return SE_ERR_PATHTOOLONG;
        case EBADMSG:
            return SE_ERR_UNVERIFIED;
        default:
            return SE_ERR_NOTAFILE;  // a link, a folder, a second name, a device
    }
}

std::intptr_t ResultOfLaunch(const ShellLaunch& launch) {
    if (launch.refusal != 0) return ResultOfRefusal(launch.refusal);
    std::intptr_t result = launch.shellResult;
    if (result > 32) return kShellOpenStarted;
    if (result == 0) return SE_ERR_OOM;
    if (result == kShellPathNotFound) return SE_ERR_FNF;
    if (result >= kShellAssociationIncomplete && result <= kShellDdeBusy) return SE_ERR_NOASSOC;
    if (result == kShellDllNotFound) return SE_ERR_BADFORMAT;
    return result;
}

}  // namespace

std::intptr_t StartWebAddress(const std::string& address, const std::string& directory) {
    return ResultOfLaunch(OpenWithShell(WideFromUtf8(address), WideFromUtf8(directory)));
}

std::intptr_t StartProgramIn(const std::string& target, const std::string& directory,
                             const ProgramCheck* check) {
    std::string program = ResolveFile(target, directory);
    return ResultOfLaunch(StartProgramFile(SystemPath(program), SystemPath(directory), check));
}

std::intptr_t CheckProgramIn(const std::string& target, const std::string& directory,
                             const ProgramCheck& check) {
    ShellLaunch launch = CheckProgramFile(SystemPath(ResolveFile(target, directory)), check);
    return launch.refusal == 0 ? 0 : ResultOfRefusal(launch.refusal);
}

const char* NoOpenerReason() {
    return "no program is set up to open it";
}

}  // namespace os
