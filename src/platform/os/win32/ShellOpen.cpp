#include "platform/os/ShellOpen.h"

#include <cerrno>
#include <mutex>

#include "platform/CString.h"
#include "platform/os/NativePath.h"
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

std::mutex g_handlerMutex;
std::function<std::intptr_t(const ShellOpenCall&)> g_handler;

bool IsWebAddress(const std::string& target) {
    return StartsWithNoCase(target, "http://") || StartsWithNoCase(target, "https://");
}

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

std::intptr_t ShellExecute(HWND /*owner*/, LPCTSTR verb, LPCTSTR file, LPCTSTR parameters,
                           LPCTSTR directory, int show) {
    ShellOpenCall call{verb ? verb : "", file ? file : "", parameters ? parameters : "",
                       directory ? directory : "", show};
    std::function<std::intptr_t(const ShellOpenCall&)> handler;
    {
        std::lock_guard lock(g_handlerMutex);
        handler = g_handler;
    }
    if (handler) return handler(call);
    if (!call.verb.empty() && call.verb != "open") return SE_ERR_NOASSOC;
    if (call.file.empty()) return SE_ERR_FNF;
    std::string nativeDirectory = ToNativePath(call.directory.c_str());
    std::wstring systemDirectory = WideFromUtf8(nativeDirectory);
    if (IsWebAddress(call.file)) {
        return ResultOfLaunch(OpenWithShell(WideFromUtf8(call.file), systemDirectory));
    }
    std::string program = ResolveFile(call.file, nativeDirectory);
    return ResultOfLaunch(StartProgramFile(SystemPath(program), systemDirectory));
}

std::string ShellOpenFailureReason(std::intptr_t result) {
    switch (result) {
        case SE_ERR_FNF:
            return "the file is missing";
        case SE_ERR_NOTAFILE:
            return "it is not a plain file of its own (a link or a folder, say)";
        case SE_ERR_ACCESSDENIED:
            return "you are not allowed to run it";
        case SE_ERR_OOM:
            return "the system is out of memory or processes; close some programs and try again";
        case SE_ERR_BADFORMAT:
            return "it is not a program this system can run";
        case SE_ERR_SHARE:
            return "the file is in use by another program";
        case SE_ERR_NOASSOC:
            return "no program is set up to open it";
        default:
            return "it could not be opened";
    }
}

void SetShellOpenHandlerForTesting(std::function<std::intptr_t(const ShellOpenCall&)> handler) {
    std::lock_guard lock(g_handlerMutex);
    g_handler = std::move(handler);
}

}  // namespace os
