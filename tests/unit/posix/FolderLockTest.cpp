// The lock against other processes, and whatever a POSIX folder may hold
// at the lock file's name.
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/os/FolderLock.h"
#include "support/TempDir.h"
#include "support/TestHostWait.h"
#include "unit/FolderLockTry.h"

extern char** environ;

namespace {

using os::FolderLock;
using testing_support::TempDir;
using testing_support::WaitUntil;

using testing_support::TryLock;
constexpr const char* kName = testing_support::kLockName;

// A holder killed outright leaves the folder free: the kernel drops its
// lock. The holder is the flock tool, another process on the same file,
// which then becomes the shell that says so and then the sleep. The shell
// writes its note itself: a child such as touch would share the lock and
// could still hold it after the holder's end. The lock is tried only once
// the holder has it: a try before would take the free lock and remove the
// file, and the holder would then hold a file of no name.
TEST(FolderLockTest, AHolderKilledOutrightFreesTheFolder) {
    TempDir dir;
    std::string path = dir.File(kName);
    std::vector<std::string> args = {"flock",
                                     "--exclusive",
                                     "--no-fork",
                                     path,
                                     "sh",
                                     "-c",
                                     ": > \"$0\" && exec sleep 300",
                                     dir.File("holding")};
    std::vector<char*> argv;
    for (std::string& arg : args) argv.push_back(arg.data());
    argv.push_back(nullptr);
    pid_t holder = -1;
    ASSERT_EQ(posix_spawnp(&holder, "flock", nullptr, nullptr, argv.data(), environ), 0);
    bool holding = WaitUntil([&] { return dir.Exists("holding"); });
    FolderLock::State whileHeld = holding ? TryLock(dir) : FolderLock::State::Held;
    kill(holder, SIGKILL);
    int status = 0;
    waitpid(holder, &status, 0);
    ASSERT_TRUE(holding) << "the other process never held the lock";
    EXPECT_EQ(whileHeld, FolderLock::State::HeldByOther);
    EXPECT_EQ(TryLock(dir), FolderLock::State::Held);
}

// Nothing but a regular file is locked, and a link is never followed: its
// target is neither created nor changed. A link is replaced by the lock
// file; with a folder or a pipe at the name the folder itself is locked.
TEST(FolderLockTest, WhateverIsAtTheNameOneWizardHoldsTheFolder) {
    TempDir outside;
    outside.Write("target", "keep");
    struct Case {
        const char* what;
        std::function<void(const std::string&)> make;
        FolderLock::State expected;
    } const cases[] = {
        {"link to a file",
         [&](const std::string& p) { symlink(outside.File("target").c_str(), p.c_str()); },
         FolderLock::State::Held},
        {"dangling link",
         [&](const std::string& p) { symlink(outside.File("new").c_str(), p.c_str()); },
         FolderLock::State::Held},
        {"folder", [](const std::string& p) { mkdir(p.c_str(), 0755); }, FolderLock::State::Held},
        {"pipe", [](const std::string& p) { mkfifo(p.c_str(), 0644); }, FolderLock::State::Held},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TempDir dir;
        c.make(dir.File(kName));
        FolderLock lock = FolderLock::TryAcquire(dir.Path(), kName);
        EXPECT_EQ(lock.GetState(), c.expected);
        // A second copy finds the same thing at the name and is kept out.
        EXPECT_EQ(TryLock(dir), FolderLock::State::HeldByOther);
    }
    EXPECT_EQ(outside.Read("target"), "keep");
    EXPECT_FALSE(outside.Exists("new"));
}

}  // namespace
