// The shell's "open" verb: shows a web address in the user's browser, or
// starts a program found in the working directory. The caller never waits
// for what it starts.
#pragma once

#include <cstdint>
#include <string>

#include "platform/Types.h"
#include "platform/os/ProgramCheck.h"

// Show commands, shared by the shell open and by windows.
constexpr int SW_HIDE = 0;
constexpr int SW_SHOW = 5;

namespace os {

// Results of ShellExecute: above 32 means started. The numbers are the
// Windows shell's, where it has one for the case.
constexpr std::intptr_t SE_ERR_FNF = 2;         // no such file
constexpr std::intptr_t SE_ERR_NOTAFILE = 3;    // a link, a folder or a device: never run
constexpr std::intptr_t SE_ERR_UNVERIFIED = 4;  // its bytes failed the check before the start
constexpr std::intptr_t SE_ERR_ACCESSDENIED = 5;
constexpr std::intptr_t SE_ERR_OOM = 8;          // out of memory or processes
constexpr std::intptr_t SE_ERR_BADFORMAT = 11;   // not a program this system runs
constexpr std::intptr_t SE_ERR_SHARE = 26;       // being written by someone (ETXTBSY)
constexpr std::intptr_t SE_ERR_NOASSOC = 31;     // nothing opens it (no desktop opener)
constexpr std::intptr_t SE_ERR_PATHTOOLONG = 6;  // the path is too long to start it from
constexpr std::intptr_t kShellOpenStarted = 42;

// Opens `file` with `verb` ("open" or null). An http or https address goes
// to the user's browser: the desktop's opener (xdg-open) on POSIX, the
// shell's default on Windows. A bare file name is looked up in `directory`
// and started with `directory` as its working directory. Only a regular
// file with one name is started, opened without following a link (on
// Windows, any reparse point), so a link named like the program is neither
// followed, changed nor run (SE_ERR_NOTAFILE). On POSIX the program is made
// executable for its owner and run through the checked descriptor, a
// Windows executable (a file starting with "MZ") goes to the desktop's
// opener instead, and everything starts detached with no shell in between
// and standard streams on /dev/null. On Windows the shell starts the file,
// held open meanwhile so that no one changes or replaces it. `owner`,
// `parameters` and `show` are accepted as the original call has them;
// parameters must be empty. What is started is always shown: the hiding
// that callers ask for would hide the installer's window from the user. Returns kShellOpenStarted
// once the program has been started, or an SE_ERR_* value.
std::intptr_t ShellExecute(HWND owner, LPCTSTR verb, LPCTSTR file, LPCTSTR parameters,
                           LPCTSTR directory, int show);

// Starts the program `file` (a bare name, looked up in `directory`) as
// ShellExecute's "open" does, after `check` has read its bytes through the
// handle that starts it: on POSIX the file is made read-only for everyone
// before it is read, and the start runs exactly that descriptor, or for a
// script (#!) its path once the name is seen to still lead to the same
// file, so that the script's $0 lies in `directory`; on Windows the file is
// held open without write or delete sharing from the check until the
// shell has started it. SE_ERR_UNVERIFIED when the check refuses the bytes
// or the name has been given to another file meanwhile; otherwise as
// ShellExecute.
std::intptr_t StartCheckedProgram(LPCTSTR file, LPCTSTR directory, const ProgramCheck& check);

// Opens the program `file` in `directory` as StartCheckedProgram does and
// runs `check` on its bytes, starting nothing. False when there is no such
// file of its own (a link, a folder, a second name) or the check refuses it.
bool CheckProgram(LPCTSTR file, LPCTSTR directory, const ProgramCheck& check);

// One call of ShellExecute or StartCheckedProgram.
struct ShellOpenCall {
    std::string verb;
    std::string file;
    std::string parameters;
    std::string directory;
    int show = SW_SHOW;
};

// Starts what `call` names, the verb and the target checked, after `check`
// (when given) has accepted the program's bytes; kShellOpenStarted or an
// SE_ERR_* value. ShellExecute and StartCheckedProgram do their part here.
std::intptr_t PerformShellOpen(const ShellOpenCall& call, const ProgramCheck* check);

// Where ShellExecute and StartCheckedProgram hand their call over: in the
// product PerformShellOpen (SystemEntries.cpp); test programs link a
// definition of their own that can record calls instead of starting anything.
std::intptr_t DispatchShellOpen(const ShellOpenCall& call, const ProgramCheck* check);

// A short reason for a failed ShellExecute `result`, to complete a sentence
// such as "The installer could not be started: <reason>."
std::string ShellOpenFailureReason(std::intptr_t result);

}  // namespace os
