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

// The grandchild's side: never returns. Reports a failure to `report`.
// With `execFd` at 0 or above, runs the file open there instead of argv[0],
// so that what was checked is what runs, whatever the name means by now.
[[noreturn]] void ExecDetached(char* const argv[], const char* directory, bool mustChangeDir,
                               int execFd, int report) {
    int error = 0;
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
        if (execFd >= 0) {
            fexecve(execFd, argv, environ);
        } else {
            execv(argv[0], argv);
        }
        error = errno;
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
                  bool mustChangeDir, int execFd = -1) {
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
            ExecDetached(argv.data(), directory.c_str(), mustChangeDir, execFd, pipeFds[1]);
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

// Starts the regular file at `path`, never through a link: the file is
// opened without following one, checked, made executable and run through
// that one descriptor.
std::intptr_t StartProgram(const std::string& path, const std::string& directory) {
    int fd = open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return ResultOfOpenError(errno);
    // The child puts /dev/null on 0, 1 and 2; the program must lie above them.
    if (fd <= 2) {
        int above = fcntl(fd, F_DUPFD_CLOEXEC, 3);
        close(fd);
        if (above < 0) return SE_ERR_OOM;
        fd = above;
    }
    OpenFile file(fd);
    struct stat info {};
    // A second name (a hard link) may make someone else's file look like ours.
    if (fstat(file.Fd(), &info) != 0 || !S_ISREG(info.st_mode) || info.st_nlink != 1) {
        return SE_ERR_NOTAFILE;
    }
    std::string magic = Magic(file.Fd());
    if (magic == "MZ") return StartWithOpener(path, directory);
    if ((info.st_mode & S_IXUSR) == 0) fchmod(file.Fd(), info.st_mode | S_IXUSR);
    // A script's interpreter reads the script through the descriptor.
    if (magic == "#!") fcntl(file.Fd(), F_SETFD, 0);
    int error = SpawnDetached({path}, directory, true, file.Fd());
    return error == 0 ? kShellOpenStarted : ResultOfExecError(error);
}

}  // namespace

std::intptr_t StartWebAddress(const std::string& address, const std::string& directory) {
    return StartWithOpener(address, directory);
}

std::intptr_t StartProgramIn(const std::string& target, const std::string& directory) {
    return StartProgram(ResolveFile(target, directory), directory);
}

const char* NoOpenerReason() {
    return "no program is set up to open it (xdg-open is missing)";
}

}  // namespace os
