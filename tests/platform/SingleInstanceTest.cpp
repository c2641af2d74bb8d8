// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/SingleInstance.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <utility>
#include <vector>

namespace hn {
namespace {

class SingleInstanceTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        for (const char* name : {"XDG_RUNTIME_DIR", "TMPDIR"})
            if (const char* old = std::getenv(name))
                m_old.emplace_back(name, old);
        setenv("XDG_RUNTIME_DIR", m_dir.path().toLocal8Bit().constData(), 1);
        setenv("TMPDIR", m_dir.path().toLocal8Bit().constData(), 1);
    }
    void TearDown() override
    {
        unsetenv("XDG_RUNTIME_DIR");
        unsetenv("TMPDIR");
        for (const auto& [name, value] : m_old)
            setenv(name.c_str(), value.c_str(), 1);
    }

    std::string Path(const char* relative) const { return m_dir.path().toStdString() + "/" + relative; }
    // The fallback folder under the temp folder, as a program without a runtime folder
    // uses it.
    std::string Fallback() const { return Path("hensai-navi-") + std::to_string(geteuid()); }
    static mode_t Mode(const std::string& path)
    {
        struct stat st{};
        return ::lstat(path.c_str(), &st) == 0 ? st.st_mode & 07777 : 0;
    }
    static bool Exists(const std::string& path)
    {
        struct stat st{};
        return ::lstat(path.c_str(), &st) == 0;
    }
    // Whether the test can make files of another owner (root can).
    static bool CanGiveAway() { return geteuid() == 0 && getpwnam("nobody") != nullptr; }
    static void GiveAway(const std::string& path)
    {
        const passwd* nobody = getpwnam("nobody");
        ASSERT_EQ(::lchown(path.c_str(), nobody->pw_uid, nobody->pw_gid), 0);
    }

    // Runs TryAcquire in a child process and answers its result.
    static SingleInstance::Result AcquireInChild(const std::string& name)
    {
        const pid_t pid = fork();
        if (pid == 0) {
            SingleInstance guard(name);
            _exit(static_cast<int>(guard.TryAcquire()));
        }
        int status = 0;
        waitpid(pid, &status, 0);
        return static_cast<SingleInstance::Result>(WEXITSTATUS(status));
    }

    QTemporaryDir m_dir;
    std::vector<std::pair<std::string, std::string>> m_old;
};

TEST_F(SingleInstanceTest, LockLivesInTheRuntimeFolder)
{
    EXPECT_EQ(SingleInstance::LockPath("HNLOAN01_RUNNING"), m_dir.path().toStdString() + "/HNLOAN01_RUNNING.lock");
}

TEST_F(SingleInstanceTest, ASecondProcessIsRefusedUntilTheFirstReleases)
{
    SingleInstance first("hn-test-guard");
    ASSERT_EQ(first.TryAcquire(), SingleInstance::Result::Acquired);
    EXPECT_EQ(AcquireInChild("hn-test-guard"), SingleInstance::Result::HeldElsewhere);
    EXPECT_EQ(AcquireInChild("hn-other-guard"), SingleInstance::Result::Acquired);
    first.Release();
    EXPECT_EQ(AcquireInChild("hn-test-guard"), SingleInstance::Result::Acquired);
}

TEST_F(SingleInstanceTest, AKilledHolderFreesTheGuard)
{
    int ready[2];
    ASSERT_EQ(pipe(ready), 0);
    const pid_t holder = fork();
    if (holder == 0) {
        SingleInstance guard("hn-killed-guard");
        const char ok = guard.TryAcquire() == SingleInstance::Result::Acquired ? 'y' : 'n';
        (void)!write(ready[1], &ok, 1);
        pause();
        _exit(0);
    }
    char ok = 0;
    ASSERT_EQ(read(ready[0], &ok, 1), 1);
    ASSERT_EQ(ok, 'y');
    EXPECT_EQ(AcquireInChild("hn-killed-guard"), SingleInstance::Result::HeldElsewhere);
    kill(holder, SIGKILL);
    waitpid(holder, nullptr, 0);
    EXPECT_EQ(AcquireInChild("hn-killed-guard"), SingleInstance::Result::Acquired);
    close(ready[0]);
    close(ready[1]);
}

TEST_F(SingleInstanceTest, AnUnwritableFolderLeavesTheProgramUnguarded)
{
    setenv("XDG_RUNTIME_DIR", "/proc", 1); // exists, but no file can be created there
    SingleInstance guard("hn-nowhere");
    EXPECT_EQ(guard.TryAcquire(), SingleInstance::Result::Unavailable);
    EXPECT_NE(guard.WhyUnavailable().find("/proc"), std::string::npos) << guard.WhyUnavailable();
}

// A runtime folder that does not exist yet is made, private, by the first copy; a
// copy started after it exists then finds the same lock.
TEST_F(SingleInstanceTest, AMissingRuntimeFolderIsMadePrivateAndSharedByEveryCopy)
{
    const std::string runtime = Path("run/user");
    setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
    SingleInstance first("hn-missing");
    ASSERT_EQ(first.TryAcquire(), SingleInstance::Result::Acquired) << first.WhyUnavailable();
    EXPECT_TRUE(Exists(runtime + "/hn-missing.lock"));
    EXPECT_EQ(Mode(runtime), 0700u);
    EXPECT_EQ(Mode(Path("run")), 0700u);
    EXPECT_FALSE(Exists(Fallback()));
    EXPECT_EQ(AcquireInChild("hn-missing"), SingleInstance::Result::HeldElsewhere);
}

TEST_F(SingleInstanceTest, WithoutARuntimeFolderTheLockLivesInAPrivateFolderOfTheUser)
{
    unsetenv("XDG_RUNTIME_DIR");
    EXPECT_EQ(SingleInstance::LockPath("hn-fallback"), Fallback() + "/hn-fallback.lock");
    SingleInstance first("hn-fallback");
    ASSERT_EQ(first.TryAcquire(), SingleInstance::Result::Acquired) << first.WhyUnavailable();
    EXPECT_EQ(Mode(Fallback()), 0700u);
    EXPECT_EQ(Mode(Fallback() + "/hn-fallback.lock"), 0600u);
    EXPECT_EQ(AcquireInChild("hn-fallback"), SingleInstance::Result::HeldElsewhere);
}

// A relative runtime folder would be a different folder for each copy started from a
// different working folder: it is ignored, and every copy meets in the fallback.
TEST_F(SingleInstanceTest, ARelativeRuntimeFolderIsIgnored)
{
    setenv("XDG_RUNTIME_DIR", "relrt", 1);
    EXPECT_EQ(SingleInstance::LockPath("hn-relative"), Fallback() + "/hn-relative.lock");
    char* old = ::getcwd(nullptr, 0);
    ASSERT_NE(old, nullptr);
    ASSERT_EQ(::mkdir(Path("a").c_str(), 0700), 0);
    ASSERT_EQ(::mkdir(Path("b").c_str(), 0700), 0);
    ASSERT_EQ(::chdir(Path("a").c_str()), 0);
    SingleInstance first("hn-relative");
    EXPECT_EQ(first.TryAcquire(), SingleInstance::Result::Acquired) << first.WhyUnavailable();
    ASSERT_EQ(::chdir(Path("b").c_str()), 0);
    EXPECT_EQ(AcquireInChild("hn-relative"), SingleInstance::Result::HeldElsewhere);
    EXPECT_EQ(::chdir(old), 0);
    std::free(old);
    EXPECT_FALSE(Exists(Path("a/relrt")));
    EXPECT_FALSE(Exists(Path("b/relrt")));
    EXPECT_TRUE(Exists(Fallback() + "/hn-relative.lock"));
}

// Names another local user could plant where the lock goes: neither followed, nor used,
// nor a reason not to start; the guard says why it is not there.
TEST_F(SingleInstanceTest, PlantedLinksAndOpenFoldersAreRefused)
{
    unsetenv("XDG_RUNTIME_DIR");
    ASSERT_EQ(::mkdir(Fallback().c_str(), 0700), 0);
    const std::string target = Path("chosen-by-someone-else");
    ASSERT_EQ(::symlink(target.c_str(), (Fallback() + "/hn-planted.lock").c_str()), 0);
    SingleInstance linked("hn-planted");
    EXPECT_EQ(linked.TryAcquire(), SingleInstance::Result::Unavailable);
    EXPECT_FALSE(Exists(target)) << "the link was followed";
    EXPECT_NE(linked.WhyUnavailable().find("symbolic link"), std::string::npos) << linked.WhyUnavailable();

    ASSERT_EQ(::unlink((Fallback() + "/hn-planted.lock").c_str()), 0);
    ASSERT_EQ(::rmdir(Fallback().c_str()), 0);
    ASSERT_EQ(::symlink(Path("elsewhere").c_str(), Fallback().c_str()), 0);
    ASSERT_EQ(::mkdir(Path("elsewhere").c_str(), 0700), 0);
    SingleInstance linkedFolder("hn-planted");
    EXPECT_EQ(linkedFolder.TryAcquire(), SingleInstance::Result::Unavailable);
    EXPECT_FALSE(Exists(Path("elsewhere/hn-planted.lock")));

    const std::string open = Path("open");
    ASSERT_EQ(::mkdir(open.c_str(), 0777), 0);
    ASSERT_EQ(::chmod(open.c_str(), 0777), 0);
    setenv("XDG_RUNTIME_DIR", open.c_str(), 1);
    SingleInstance shared("hn-planted");
    EXPECT_EQ(shared.TryAcquire(), SingleInstance::Result::Unavailable);
    EXPECT_NE(shared.WhyUnavailable().find("other users"), std::string::npos) << shared.WhyUnavailable();
}

TEST_F(SingleInstanceTest, ALockFileOrFolderOfAnotherUserIsNotUsed)
{
    if (!CanGiveAway())
        GTEST_SKIP() << "needs root to make a file of another owner";
    unsetenv("XDG_RUNTIME_DIR");
    ASSERT_EQ(::mkdir(Fallback().c_str(), 0700), 0);
    const std::string planted = Fallback() + "/hn-foreign.lock";
    const int fd = ::open(planted.c_str(), O_RDWR | O_CREAT, 0644);
    ASSERT_GE(fd, 0);
    GiveAway(planted);
    ASSERT_EQ(::flock(fd, LOCK_EX | LOCK_NB), 0); // its owner holds it
    SingleInstance guard("hn-foreign");
    EXPECT_EQ(guard.TryAcquire(), SingleInstance::Result::Unavailable);
    EXPECT_NE(guard.WhyUnavailable().find("another user"), std::string::npos) << guard.WhyUnavailable();
    ::close(fd);

    GiveAway(Fallback());
    SingleInstance inForeignFolder("hn-other");
    EXPECT_EQ(inForeignFolder.TryAcquire(), SingleInstance::Result::Unavailable);
    EXPECT_FALSE(Exists(Fallback() + "/hn-other.lock"));
}

} // namespace
} // namespace hn
