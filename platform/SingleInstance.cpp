#include "platform/SingleInstance.h"

#include <QDir>

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#include <utility>

namespace hn {

SingleInstance::SingleInstance(std::string name) : m_name(std::move(name)) {}

SingleInstance::~SingleInstance()
{
    Release();
}

std::string SingleInstance::LockPath(const std::string& name)
{
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime && *runtime && QDir(QString::fromLocal8Bit(runtime)).exists())
        return std::string(runtime) + "/" + name + ".lock";
    return QDir::tempPath().toStdString() + "/" + name + "-" + std::to_string(getuid()) + ".lock";
}

SingleInstance::Result SingleInstance::TryAcquire()
{
    if (m_fd >= 0)
        return Result::Acquired;
    // O_CLOEXEC: programs we start (the desk calculator) must not inherit the lock and
    // keep the guard alive after we end.
    const int fd = ::open(LockPath(m_name).c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0)
        return Result::Unavailable;
    int rc;
    do {
        rc = ::flock(fd, LOCK_EX | LOCK_NB);
    } while (rc != 0 && errno == EINTR);
    if (rc != 0) {
        const bool held = errno == EWOULDBLOCK;
        ::close(fd);
        return held ? Result::HeldElsewhere : Result::Unavailable;
    }
    m_fd = fd;
    return Result::Acquired;
}

void SingleInstance::Release()
{
    if (m_fd < 0)
        return;
    ::flock(m_fd, LOCK_UN);
    ::close(m_fd);
    m_fd = -1;
}

} // namespace hn
