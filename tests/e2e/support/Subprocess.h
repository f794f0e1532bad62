// A child process for end-to-end tests: started without a shell in its own
// process group, and killed with that whole group when the object goes, so
// a failing test never leaves an X server or a wizard behind.
#pragma once

#include <sys/types.h>

#include <chrono>
#include <optional>
#include <string>
#include <vector>

#include "support/NonCopyable.h"

namespace e2e {

struct SpawnOptions {
    std::vector<std::string> env;    // extra "NAME=value" entries on top of ours
    std::vector<std::string> unset;  // names removed from our environment (before `env`)
    std::string stdoutPath;          // "" keeps the test's own output
    std::string stderrPath;          // "" keeps the test's own error output
    std::string workingDirectory;    // "" keeps ours
    int passFd = -1;                 // a descriptor the child keeps open (same number)
};

class Subprocess : testing_support::NonCopyable {
  public:
    // Starts argv[0] (looked up on PATH) with `options`; throws on failure.
    Subprocess(const std::vector<std::string>& argv, const SpawnOptions& options = {});
    ~Subprocess();

    pid_t Pid() const { return m_pid; }
    // The exit status once the process has ended within `timeout`, else nullopt.
    // A process killed by a signal reports 128 + the signal number.
    std::optional<int> Wait(std::chrono::milliseconds timeout);
    // Sends SIGTERM to the group, then SIGKILL if it lingers; reaps the child.
    void Stop();

  private:
    pid_t m_pid = -1;
    std::optional<int> m_status;
};

struct CommandResult {
    int exitCode = -1;   // -1 when it timed out
    std::string output;  // standard output
};

// Runs a short command to its end (killing it after `timeout`).
CommandResult RunCommand(const std::vector<std::string>& argv, const std::vector<std::string>& env,
                         std::chrono::milliseconds timeout = std::chrono::seconds(20));

}  // namespace e2e
