#include "platform/os/ShellOpen.h"

#include "platform/CString.h"
#include "platform/os/NativePath.h"
#include "platform/os/ShellStart.h"

namespace os {
namespace {

bool IsWebAddress(const std::string& target) {
    return StartsWithNoCase(target, "http://") || StartsWithNoCase(target, "https://");
}

}  // namespace

std::intptr_t ShellExecute(HWND /*owner*/, LPCTSTR verb, LPCTSTR file, LPCTSTR parameters,
                           LPCTSTR directory, int show) {
    ShellOpenCall call{verb ? verb : "", file ? file : "", parameters ? parameters : "",
                       directory ? directory : "", show};
    return DispatchShellOpen(call, nullptr);
}

std::intptr_t StartCheckedProgram(LPCTSTR file, LPCTSTR directory, const ProgramCheck& check) {
    ShellOpenCall call{"open", file ? file : "", "", directory ? directory : "", SW_HIDE};
    if (call.file.empty() || IsWebAddress(call.file)) return SE_ERR_FNF;
    return DispatchShellOpen(call, &check);
}

std::intptr_t PerformShellOpen(const ShellOpenCall& call, const ProgramCheck* check) {
    if (!call.verb.empty() && call.verb != "open") return SE_ERR_NOASSOC;
    if (call.file.empty()) return SE_ERR_FNF;
    std::string nativeDirectory = ToNativePath(call.directory.c_str());
    if (IsWebAddress(call.file)) return StartWebAddress(call.file, nativeDirectory);
    return StartProgramIn(call.file, nativeDirectory, check);
}

bool CheckProgram(LPCTSTR file, LPCTSTR directory, const ProgramCheck& check) {
    std::string target = file ? file : "";
    if (target.empty() || IsWebAddress(target)) return false;
    return CheckProgramIn(target, ToNativePath(directory ? directory : ""), check) == 0;
}

std::string ShellOpenFailureReason(std::intptr_t result) {
    switch (result) {
        case SE_ERR_FNF:
            return "the file is missing";
        case SE_ERR_NOTAFILE:
            return "it is not a plain file of its own (a link or a folder, say)";
        case SE_ERR_UNVERIFIED:
            return "it is not the file that the publisher signed";
        case SE_ERR_ACCESSDENIED:
            return "you are not allowed to run it";
        case SE_ERR_OOM:
            return "the system is out of memory or processes; close some programs and try again";
        case SE_ERR_BADFORMAT:
            return "it is not a program this system can run";
        case SE_ERR_SHARE:
            return "the file is in use by another program";
        case SE_ERR_NOASSOC:
            return NoOpenerReason();
        case SE_ERR_PATHTOOLONG:
            return "its folder's path is too long to start a program from; move the wizard to a "
                   "folder with a shorter path";
        default:
            return "it could not be opened";
    }
}

}  // namespace os
