# SPDX-License-Identifier: GPL-3.0-or-later
"""The one-copy guard with real processes: two starts while the runtime folder does not
exist yet, and two from different folders with a relative runtime folder (invalid, so
ignored); a lock file (and a lock folder) of another user, held by its owner; a link
planted where the lock file goes. The guard must hold in the first two cases; in the
others the program starts anyway, unguarded, says why on standard error, and leaves
the planted names as they were."""
import fcntl
import os
import pwd
import sys
import tempfile

import desktop as d

binary = sys.argv[1]
check = d.Checks()
base = tempfile.mkdtemp(dir=os.environ["XDG_RUNTIME_DIR"])
uid = os.geteuid()
GUARD = "HNLOAN01_RUNNING"


def environment(runtime=None, tmp=None):
    env = dict(os.environ)
    env.pop("XDG_RUNTIME_DIR", None)
    if runtime:
        env["XDG_RUNTIME_DIR"] = runtime
    if tmp:
        os.makedirs(tmp, exist_ok=True)
        env["TMPDIR"] = tmp
    return env


def windows():
    return d.xdotool("search", "--onlyvisible", "--name", "^Hensai Navi$", check=False).splitlines()


def stop(program):
    program.terminate()
    program.wait(timeout=10)


def lock_places(tmp):
    """Where a program without a runtime folder keeps its lock: a private folder of the
    user's under the temp folder. (Earlier builds used a file right in the temp folder;
    planting there too makes the test fail on them as it should.)"""
    folder = os.path.join(tmp, f"hensai-navi-{uid}")
    return folder, os.path.join(folder, GUARD + ".lock"), os.path.join(tmp, f"{GUARD}-{uid}.lock")


def starts_unguarded(what, env, reason):
    program = d.start(binary, env=env)
    try:
        d.wait_for_window("Hensai Navi", timeout=15, program=program)
        check.true(f"{what}: the program starts", True)
    except AssertionError as e:
        check.true(f"{what}: the program starts ({e})", False)
    said = d.output(program)
    check.true(f"{what}: it says on standard error that it runs unguarded ({said!r})",
               "without the one-copy guard" in said and reason in said)
    if program.poll() is None:
        stop(program)


# --- a runtime folder that does not exist yet: both starts agree on one lock -----------
runtime = os.path.join(base, "run")
env = environment(runtime=runtime, tmp=os.path.join(base, "tmp1"))
first = d.start(binary, env=env)
d.wait_for_window("Hensai Navi", program=first)
second = d.start(binary, env=env)
try:
    status = second.wait(timeout=10)
except Exception:
    second.kill()
    status = None
check.equal("missing runtime folder: the second copy ends at once", status, 0)
check.equal("missing runtime folder: one window", len(windows()), 1)
check.equal("missing runtime folder: made private",
            oct(os.stat(runtime).st_mode & 0o777) if os.path.isdir(runtime) else None, "0o700")
check.true("missing runtime folder: the first copy still runs", first.poll() is None)
stop(first)

# --- a relative runtime folder, started from two folders: ignored, one lock ------------
tmp = os.path.join(base, "tmp-relative")
env = environment(runtime="relrt", tmp=tmp)
folders = [os.path.join(base, name) for name in ("here", "there")]
for folder in folders:
    os.makedirs(folder)
first = d.start(binary, env=env, cwd=folders[0])
d.wait_for_window("Hensai Navi", program=first)
second = d.start(binary, env=env, cwd=folders[1])
try:
    status = second.wait(timeout=10)
except Exception:
    second.kill()
    status = None
check.equal("relative runtime folder: the second copy ends at once", status, 0)
check.equal("relative runtime folder: one window", len(windows()), 1)
check.equal("relative runtime folder: no folder made where the copies started",
            [f for f in folders if os.path.exists(os.path.join(f, "relrt"))], [])
check.true("relative runtime folder: the lock is in the fallback folder",
           os.path.exists(lock_places(tmp)[1]))
said = d.output(first)
check.true(f"relative runtime folder: the program says it ignores it ({said!r})",
           "XDG_RUNTIME_DIR=relrt is not an absolute path" in said)
stop(first)

# --- a lock file and a lock folder of another user -------------------------------------
if os.geteuid() != 0:
    print("SKIP lock files of another user: only root can make them here", file=sys.stderr)
else:
    nobody = pwd.getpwnam("nobody")
    tmp = os.path.join(base, "tmp2")
    folder, lock, old_lock = lock_places(tmp)
    os.makedirs(folder, mode=0o700)
    held = []
    for path in (lock, old_lock):
        fd = os.open(path, os.O_RDWR | os.O_CREAT, 0o644)
        os.chown(path, nobody.pw_uid, nobody.pw_gid)
        fcntl.flock(fd, fcntl.LOCK_EX | fcntl.LOCK_NB)  # its owner holds it
        held.append(fd)
    starts_unguarded("a lock file of another user", environment(tmp=tmp), "belongs to another user")
    check.equal("the planted file keeps its owner", os.stat(lock).st_uid, nobody.pw_uid)
    for fd in held:
        os.close(fd)

    tmp = os.path.join(base, "tmp3")
    folder, lock, _ = lock_places(tmp)
    os.makedirs(folder, mode=0o700)
    os.chown(folder, nobody.pw_uid, nobody.pw_gid)
    starts_unguarded("a lock folder of another user", environment(tmp=tmp), "belongs to another user")
    check.true("nothing made in the other user's folder", not os.path.exists(lock))

# --- a link in the lock file's place ---------------------------------------------------
tmp = os.path.join(base, "tmp4")
folder, lock, old_lock = lock_places(tmp)
os.makedirs(folder, mode=0o700)
victim = os.path.join(base, "chosen-by-someone-else")
os.symlink(victim, lock)
os.symlink(victim, old_lock)
starts_unguarded("a link in the lock file's place", environment(tmp=tmp), "symbolic link")
check.true("the link was not followed", not os.path.exists(victim))

check.finish()
