#include "e2e/support/Subprocess.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <thread>

extern char** environ;

namespace e2e {

namespace {

std::vector<char*> CStrings(std::vector<std::string>& strings) {
    std::vector<char*> pointers;
    for (std::string& s : strings) pointers.push_back(s.data());
    pointers.push_back(nullptr);
    return pointers;
}

std::vector<std::string> MergedEnvironment(const std::vector<std::string>& extra,
                                           const std::vector<std::string>& unset) {
    std::vector<std::string> merged;
    for (char** entry = environ; *entry; ++entry) {
        std::string current = *entry;
        std::string name = current.substr(0, current.find('='));
        bool replaced = false;
        for (const std::string& removed : unset) replaced |= removed == name;
        for (const std::string& e : extra)
            replaced |= e.compare(0, name.size() + 1, name + "=") == 0;
        if (!replaced) merged.push_back(current);
    }
    merged.insert(merged.end(), extra.begin(), extra.end());
    return merged;
}

int DecodeStatus(int status) {
    if (WIFEXITED(status)) return WEXITSTATUS(status);
    if (WIFSIGNALED(status)) return 128 + WTERMSIG(status);
    return -1;
}

}  // namespace

Subprocess::Subprocess(const std::vector<std::string>& argv, const SpawnOptions& options) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (!options.stdoutPath.empty()) {
        posix_spawn_file_actions_addopen(&actions, 1, options.stdoutPath.c_str(),
                                         O_WRONLY | O_CREAT | O_TRUNC, 0644);
    }
    if (!options.stderrPath.empty()) {
        posix_spawn_file_actions_addopen(&actions, 2, options.stderrPath.c_str(),
                                         O_WRONLY | O_CREAT | O_TRUNC, 0644);
    }
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    if (!options.workingDirectory.empty()) {
        posix_spawn_file_actions_addchdir_np(&actions, options.workingDirectory.c_str());
    }
    if (options.passFd >= 0) {
        // A dup2 onto itself clears close-on-exec in the child only.
        posix_spawn_file_actions_adddup2(&actions, options.passFd, options.passFd);
    }
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETPGROUP);
    posix_spawnattr_setpgroup(&attributes, 0);

    std::vector<std::string> args = argv;
    std::vector<std::string> env = MergedEnvironment(options.env, options.unset);
    std::vector<char*> argPointers = CStrings(args);
    std::vector<char*> envPointers = CStrings(env);
    int error = posix_spawnp(&m_pid, args.at(0).c_str(), &actions, &attributes, argPointers.data(),
                             envPointers.data());
    posix_spawn_file_actions_destroy(&actions);
    posix_spawnattr_destroy(&attributes);
    if (error != 0) {
        m_pid = -1;
        throw std::runtime_error("cannot start " + args.at(0) + ": " + std::strerror(error));
    }
}

Subprocess::~Subprocess() {
    Stop();
}

std::optional<int> Subprocess::Wait(std::chrono::milliseconds timeout) {
    auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!m_status && m_pid > 0) {
        int status = 0;
        pid_t done = waitpid(m_pid, &status, WNOHANG);
        if (done == m_pid) {
            m_status = DecodeStatus(status);
            break;
        }
        if (std::chrono::steady_clock::now() >= deadline) break;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return m_status;
}

void Subprocess::Stop() {
    if (m_pid <= 0) return;
    if (!m_status) {
        kill(-m_pid, SIGTERM);
        if (!Wait(std::chrono::seconds(3))) {
            kill(-m_pid, SIGKILL);
            Wait(std::chrono::seconds(10));
        }
    }
    // Whatever the child started in its group goes too.
    kill(-m_pid, SIGKILL);
    m_pid = -1;
}

CommandResult RunCommand(const std::vector<std::string>& argv, const std::vector<std::string>& env,
                         std::chrono::milliseconds timeout) {
    char pattern[] = "/tmp/vessamo-e2e-out-XXXXXX";
    int fd = mkstemp(pattern);
    if (fd < 0) throw std::runtime_error("mkstemp failed");
    close(fd);
    CommandResult result;
    {
        SpawnOptions options;
        options.env = env;
        options.stdoutPath = pattern;
        Subprocess process(argv, options);
        std::optional<int> status = process.Wait(timeout);
        result.exitCode = status ? *status : -1;
    }
    std::ifstream in(pattern);
    std::ostringstream text;
    text << in.rdbuf();
    result.output = text.str();
    unlink(pattern);
    return result;
}

}  // namespace e2e
