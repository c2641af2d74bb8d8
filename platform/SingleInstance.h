#pragma once
// Lets one copy of the program run at a time: an exclusive lock on a file named after
// the guard, held for the life of the process. The kernel drops it when the process
// ends, also on a crash or kill -9, so a stale guard never blocks a new start.
#include <string>

namespace hn {

class SingleInstance {
public:
    explicit SingleInstance(std::string name);
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    enum class Result { Acquired, HeldElsewhere, Unavailable };
    // Unavailable: the lock file could not be opened; the program then runs unguarded.
    Result TryAcquire();
    void Release();

    // $XDG_RUNTIME_DIR/<name>.lock, else the temp folder with the user id in the name.
    static std::string LockPath(const std::string& name);

private:
    std::string m_name;
    int m_fd = -1;
};

} // namespace hn
