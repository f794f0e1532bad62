#include "platform/os/ShellOpen.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <vector>

#include "platform/os/NativePath.h"
#include "platform/os/ShellStart.h"

namespace os {
namespace {

// The file the shell would open for `target`: a name with a directory part
// as given, a bare name inside `directory`.
std::string ResolveFile(const std::string& target, const std::string& directory) {
    std::string posix = ToNativePath(target.c_str());
    if (posix.find('/') != std::string::npos || directory.empty()) return posix;
    return directory.back() == '/' ? directory + posix : directory + "/" + posix;
}

// The first two bytes of the open file `fd`, or "" when it has fewer.
std::string Magic(int fd) {
    char magic[2] = {};
    ssize_t got = pread(fd, magic, sizeof magic, 0);
    return got == 2 ? std::string(magic, 2) : std::string();
}

// The full path of `program` on PATH, or "" (looked up before forking, so
// the child needs nothing but async-signal-safe calls).
std::string FindOnPath(const char* program) {
    const char* path = std::getenv("PATH");
    std::string dirs = path && *path ? path : "/usr/local/bin:/usr/bin:/bin";
    size_t start = 0;
    while (start <= dirs.size()) {
        size_t end = dirs.find(':', start);
        if (end == std::string::npos) end = dirs.size();
        std::string candidate = dirs.substr(start, end - start);
        candidate = (candidate.empty() ? "." : candidate) + "/" + program;
        if (access(candidate.c_str(), X_OK) == 0) return candidate;
        start = end + 1;
    }
    return "";
}

// Which file a start runs: the descriptor `fd` when it is 0 or above,
// else argv[0] by its path; with `sameAs`, only while that path still
// leads to that device and inode.
struct ExecTarget {
    int fd = -1;
    const struct stat* sameAs = nullptr;
};

// The grandchild's side: never returns. Reports a failure to `report`. A
// descriptor runs what was checked, whatever the name means by now; a
// path is looked at once more right before it runs.
[[noreturn]] void ExecDetached(char* const argv[], const char* directory, bool mustChangeDir,
                               ExecTarget target, int report) {
    int error = 0;
    struct stat now {};
    if (directory[0] != '\0' && chdir(directory) != 0 && mustChangeDir) {
        error = errno;
    } else {
        sigset_t none;
        sigemptyset(&none);
        sigprocmask(SIG_SETMASK, &none, nullptr);
        int null = open("/dev/null", O_RDWR);
        if (null >= 0) {
            dup2(null, 0);
            dup2(null, 1);
            dup2(null, 2);
            if (null > 2) close(null);
        }
        if (target.fd >= 0) {
            fexecve(target.fd, argv, environ);
            error = errno;
        } else if (target.sameAs != nullptr &&
                   (lstat(argv[0], &now) != 0 || now.st_dev != target.sameAs->st_dev ||
                    now.st_ino != target.sameAs->st_ino)) {
            error = ESTALE;
        } else {
            execv(argv[0], argv);
            error = errno;
        }
    }
    ssize_t ignored = write(report, &error, sizeof error);
    (void)ignored;
    _exit(127);
}

// Starts argv[0] in `directory` as a grandchild that no one waits for: the
// intermediate child exits at once and is reaped here, so no zombie is
// left and the program outlives nothing of ours. Returns 0 once exec
// succeeded, else the errno of the failure.
int SpawnDetached(const std::vector<std::string>& args, const std::string& directory,
                  bool mustChangeDir, ExecTarget target = {}) {
    std::vector<char*> argv;
    for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);

    int pipeFds[2];
    if (pipe2(pipeFds, O_CLOEXEC) != 0) return errno;
    pid_t child = fork();
    if (child < 0) {
        int error = errno;
        close(pipeFds[0]);
        close(pipeFds[1]);
        return error;
    }
    if (child == 0) {
        close(pipeFds[0]);
        setsid();
        pid_t grandchild = fork();
        if (grandchild == 0)
            ExecDetached(argv.data(), directory.c_str(), mustChangeDir, target, pipeFds[1]);
        _exit(grandchild < 0 ? 1 : 0);
    }
    close(pipeFds[1]);
    int status = 0;
    while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    int error = 0;
    ssize_t got;
    do {
        got = read(pipeFds[0], &error, sizeof error);
    } while (got < 0 && errno == EINTR);
    close(pipeFds[0]);
    if (got == static_cast<ssize_t>(sizeof error)) return error;
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return EAGAIN;
    return 0;
}

std::intptr_t StartWithOpener(const std::string& target, const std::string& directory) {
    std::string opener = FindOnPath("xdg-open");
    if (opener.empty()) return SE_ERR_NOASSOC;
    return SpawnDetached({opener, target}, directory, false) == 0 ? kShellOpenStarted
                                                                  : SE_ERR_NOASSOC;
}

// Owns a descriptor for the length of one start.
class OpenFile {
  public:
    explicit OpenFile(int fd) : m_fd(fd) {}
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;
    ~OpenFile() {
        if (m_fd >= 0) close(m_fd);
    }
    int Fd() const { return m_fd; }

  private:
    int m_fd;
};

std::intptr_t ResultOfOpenError(int error) {
    if (error == ENOENT || error == ENOTDIR) return SE_ERR_FNF;
    if (error == EACCES || error == EPERM) return SE_ERR_ACCESSDENIED;
    return SE_ERR_NOTAFILE;  // ELOOP: a link; ENXIO: a socket; and the like
}

std::intptr_t ResultOfExecError(int error) {
    switch (error) {
        case ENOENT:
        case ENOTDIR:
            return SE_ERR_FNF;
        case ESTALE:
            return SE_ERR_UNVERIFIED;
        case ETXTBSY:
            return SE_ERR_SHARE;
        case ENOEXEC:
        case ELIBBAD:
        case EINVAL:
            return SE_ERR_BADFORMAT;
        case ENOMEM:
        case EAGAIN:
        case E2BIG:
            return SE_ERR_OOM;
        default:
            return SE_ERR_ACCESSDENIED;
    }
}

// Reads an open file from its start, whatever its offset.
class DescriptorBytes : public ProgramBytes {
  public:
    explicit DescriptorBytes(int fd) : m_fd(fd) {}
    std::size_t Read(void* buffer, std::size_t size) override {
        ssize_t got;
        do {
            got = pread(m_fd, buffer, size, m_offset);
        } while (got < 0 && errno == EINTR);
        if (got <= 0) return 0;
        m_offset += got;
        return static_cast<std::size_t>(got);
    }

  private:
    int m_fd;
    off_t m_offset = 0;
};

// Opens the regular file at `path` with one name, never through a link,
// into `fd` (above the standard streams, which the child replaces), and
// its status into `info`; 0, or the SE_ERR_* value of why not.
std::intptr_t OpenProgram(const std::string& path, int& fd, struct stat& info) {
    fd = open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return ResultOfOpenError(errno);
    if (fd <= 2) {
        int above = fcntl(fd, F_DUPFD_CLOEXEC, 3);
        close(fd);
        fd = above;
        if (above < 0) return SE_ERR_OOM;
    }
    // A second name (a hard link) may make someone else's file look like ours.
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || info.st_nlink != 1) {
        return SE_ERR_NOTAFILE;
    }
    return 0;
}

// Makes the file executable for its owner; with a check to come, also
// read-only for everyone, so that what is checked stays what starts.
void PrepareToRun(int fd, const struct stat& info, bool checked) {
    mode_t mode = info.st_mode | S_IXUSR;
    if (checked) mode &= ~static_cast<mode_t>(S_IWUSR | S_IWGRP | S_IWOTH);
    if (mode != info.st_mode) fchmod(fd, mode & 07777);
}

// Starts the regular file at `path`, never through a link: the file is
// opened without following one, checked, made executable and run through
// that one descriptor. A script runs by its path instead, which becomes
// its $0, once the path is seen to lead to the same file still.
std::intptr_t StartProgram(const std::string& path, const std::string& directory,
                           const ProgramCheck* check) {
    int fd = -1;
    struct stat info {};
    std::intptr_t refusal = OpenProgram(path, fd, info);
    OpenFile file(fd);
    if (refusal != 0) return refusal;
    if (check != nullptr) {
        PrepareToRun(file.Fd(), info, true);
        DescriptorBytes bytes(file.Fd());
        if (!(*check)(bytes)) return SE_ERR_UNVERIFIED;
    }
    std::string magic = Magic(file.Fd());
    if (magic == "MZ") return StartWithOpener(path, directory);
    if (check == nullptr) PrepareToRun(file.Fd(), info, false);
    ExecTarget target = magic == "#!" ? ExecTarget{-1, &info} : ExecTarget{file.Fd(), nullptr};
    int error = SpawnDetached({path}, directory, true, target);
    return error == 0 ? kShellOpenStarted : ResultOfExecError(error);
}

}  // namespace

std::intptr_t StartWebAddress(const std::string& address, const std::string& directory) {
    return StartWithOpener(address, directory);
}

std::intptr_t StartProgramIn(const std::string& target, const std::string& directory,
                             const ProgramCheck* check) {
    return StartProgram(ResolveFile(target, directory), directory, check);
}

std::intptr_t CheckProgramIn(const std::string& target, const std::string& directory,
                             const ProgramCheck& check) {
    int fd = -1;
    struct stat info {};
    std::intptr_t refusal = OpenProgram(ResolveFile(target, directory), fd, info);
    OpenFile file(fd);
    if (refusal != 0) return refusal;
    DescriptorBytes bytes(file.Fd());
    return check(bytes) ? 0 : SE_ERR_UNVERIFIED;
}

const char* NoOpenerReason() {
    return "no program is set up to open it (xdg-open is missing)";
}

}  // namespace os
