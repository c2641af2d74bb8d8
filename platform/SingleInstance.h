// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Lets one copy of the program run at a time: an exclusive lock on a file named after
// the guard, held for the life of the process. The kernel drops it when the process
// ends, also on a crash or kill -9, so a stale guard never blocks a new start.
//
// Every copy finds the lock file the same way: in $XDG_RUNTIME_DIR when that is set
// to an absolute path (the folder is created, private, when it does not exist yet, so that a copy started
// before and one started after its creation agree), otherwise in a private folder of
// the user's own under the temp folder. The file and its folder must belong to the
// user, and the file must be a plain file, not a link: a name that another local user
// could plant must neither lock the user out nor make the program create a file where
// that user chose.
#include <string>

namespace hn {

class SingleInstance {
public:
    explicit SingleInstance(std::string name);
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    enum class Result { Acquired, HeldElsewhere, Unavailable };
    // Unavailable: the lock file could not be had safely; the program then runs
    // unguarded, and WhyUnavailable says why.
    Result TryAcquire();
    void Release();
    const std::string& WhyUnavailable() const { return m_why; }

    struct Location {
        std::string folder;
        std::string file; // the lock file's name inside the folder
        bool runtime = false; // the folder is $XDG_RUNTIME_DIR
    };
    // Where the lock file is looked for. Creates nothing.
    static Location LockLocation(const std::string& name);
    // $XDG_RUNTIME_DIR when it is set to a relative path, which is invalid and ignored
    // (empty when it is absolute, empty or unset).
    static std::string IgnoredRuntimeFolder();
    static std::string LockPath(const std::string& name);

private:
    Result Unavailable(std::string why);

    std::string m_name;
    std::string m_why;
    int m_fd = -1;
};

} // namespace hn
