#include "platform/SingleInstance.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <sys/wait.h>
#include <unistd.h>

namespace hn {
namespace {

class SingleInstanceTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        const char* old = std::getenv("XDG_RUNTIME_DIR");
        if (old)
            m_oldRuntime = old;
        setenv("XDG_RUNTIME_DIR", m_dir.path().toLocal8Bit().constData(), 1);
    }
    void TearDown() override
    {
        if (m_oldRuntime.empty())
            unsetenv("XDG_RUNTIME_DIR");
        else
            setenv("XDG_RUNTIME_DIR", m_oldRuntime.c_str(), 1);
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
    std::string m_oldRuntime;
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
}

} // namespace
} // namespace hn
