// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/SingleInstance.h"

#include <QDir>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace hn {

namespace {

std::string TempFallbackFolder()
{
    return QDir::tempPath().toStdString() + "/hensai-navi-" + std::to_string(geteuid());
}

// mkdir -p with mode 0700 for every folder it creates.
bool MakePrivateFolders(const std::string& path)
{
    for (std::size_t slash = path.find('/', 1);; slash = path.find('/', slash + 1)) {
        const std::string prefix = path.substr(0, slash);
        if (!prefix.empty() && ::mkdir(prefix.c_str(), 0700) != 0 && errno != EEXIST)
            return false;
        if (slash == std::string::npos)
            return true;
    }
}

std::string Error(const std::string& what, int error)
{
    return what + ": " + std::strerror(error);
}

class Fd {
public:
    explicit Fd(int fd) : m_fd(fd) {}
    ~Fd()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int get() const { return m_fd; }
    int release() { return std::exchange(m_fd, -1); }

private:
    int m_fd;
};

} // namespace

SingleInstance::SingleInstance(std::string name) : m_name(std::move(name)) {}

SingleInstance::~SingleInstance()
{
    Release();
}

std::string SingleInstance::IgnoredRuntimeFolder()
{
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    return runtime && *runtime && runtime[0] != '/' ? std::string(runtime) : std::string();
}

SingleInstance::Location SingleInstance::LockLocation(const std::string& name)
{
    Location at;
    at.file = name + ".lock";
    // A relative runtime folder is invalid and ignored, as the base-directory rules
    // say: each copy would read it from its own working folder and lock a file of its own.
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime && runtime[0] == '/') {
        at.folder = runtime;
        while (at.folder.size() > 1 && at.folder.back() == '/')
            at.folder.pop_back();
        at.runtime = true;
    } else {
        at.folder = TempFallbackFolder();
    }
    return at;
}

std::string SingleInstance::LockPath(const std::string& name)
{
    const Location at = LockLocation(name);
    return at.folder + "/" + at.file;
}

SingleInstance::Result SingleInstance::Unavailable(std::string why)
{
    m_why = std::move(why);
    return Result::Unavailable;
}

SingleInstance::Result SingleInstance::TryAcquire()
{
    if (m_fd >= 0)
        return Result::Acquired;
    m_why.clear();

    Location at = LockLocation(m_name);
    // The folder is made now, before the toolkit might make a missing runtime folder
    // itself: a copy that found it missing and one started after it appeared would
    // otherwise lock two different files. A runtime folder that cannot be made is
    // missing for every copy alike; they all go to the fallback.
    if (!MakePrivateFolders(at.folder)) {
        if (!at.runtime)
            return Unavailable(Error("cannot create " + at.folder, errno));
        at.folder = TempFallbackFolder();
        at.runtime = false;
        if (!MakePrivateFolders(at.folder))
            return Unavailable(Error("cannot create " + at.folder, errno));
    }

    const Fd folder(::open(at.folder.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    if (folder.get() < 0)
        return Unavailable(errno == ELOOP || errno == ENOTDIR ? at.folder + " is not a folder but a link or a file"
                                                              : Error("cannot open " + at.folder, errno));
    struct stat st{};
    if (::fstat(folder.get(), &st) != 0)
        return Unavailable(Error("cannot examine " + at.folder, errno));
    if (st.st_uid != geteuid())
        return Unavailable(at.folder + " belongs to another user");
    if (st.st_mode & (S_IWGRP | S_IWOTH))
        return Unavailable(at.folder + " can be written by other users");

    // O_NOFOLLOW: a link planted in the file's place is refused, not followed.
    // O_CLOEXEC: programs we start (the desk calculator) must not inherit the lock and
    // keep the guard alive after we end.
    const std::string path = at.folder + "/" + at.file;
    Fd file(::openat(folder.get(), at.file.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC, 0600));
    if (file.get() < 0)
        return Unavailable(errno == ELOOP ? path + " is a symbolic link" : Error("cannot open " + path, errno));
    if (::fstat(file.get(), &st) != 0)
        return Unavailable(Error("cannot examine " + path, errno));
    if (!S_ISREG(st.st_mode))
        return Unavailable(path + " is not a plain file");
    if (st.st_uid != geteuid())
        return Unavailable(path + " belongs to another user");

    int rc;
    do {
        rc = ::flock(file.get(), LOCK_EX | LOCK_NB);
    } while (rc != 0 && errno == EINTR);
    if (rc != 0) {
        if (errno == EWOULDBLOCK)
            return Result::HeldElsewhere;
        return Unavailable(Error("cannot lock " + path, errno));
    }
    m_fd = file.release();
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
