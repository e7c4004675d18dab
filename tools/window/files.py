# SPDX-FileCopyrightText: 2026 The Brivazon developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""The game writes no file and opens no network connection: the real binary runs under
`strace -f` for a whole game played with real keys under a private Xvfb (the one the figures
play, every question buzzed and answered, and the final round to the result, so the bell rings
too; the window maximised, resized and full screen on the way, so nothing of its size is kept),
and every call that could write to the file system or reach the network is judged.

Fails on: a file opened for writing (O_WRONLY, O_RDWR, O_CREAT, O_TRUNC, O_APPEND, O_TMPFILE) or
created, renamed, linked, removed or truncated anywhere but under /dev; an Internet socket
(AF_INET, AF_INET6), a netlink socket of any kind but the kernel's device events, or a connection
to anything but a local (AF_UNIX) socket; any file left in the fresh home, cache, config and
runtime folders the game was given.

Allowed, and listed: local sockets (the X display; a D-Bus session bus where one runs), /dev
(a child of libdbus opens /dev/null for its standard streams), and the one mkdir by which Qt
makes sure its runtime folder ($XDG_RUNTIME_DIR) exists, and the netlink socket of the kernel's
device events (NETLINK_KOBJECT_UEVENT, bound to hear them) by which SDL notices a gamepad being
plugged in.
"""

import argparse
import os
import re
import sys
import tempfile

from . import measure as M
from .whole_game import Failure, WholeGame
from .xwatch import Screen, Timeout, Xvfb

TRACED = ("open,openat,openat2,creat,mkdir,mkdirat,rename,renameat,renameat2,link,linkat,"
          "symlink,symlinkat,unlink,unlinkat,rmdir,truncate,socket,connect,bind,execve")
WRITE_FLAGS = ("O_WRONLY", "O_RDWR", "O_CREAT", "O_TRUNC", "O_APPEND", "O_TMPFILE")
CHANGES = {"mkdir", "mkdirat", "rename", "renameat", "renameat2", "link", "linkat", "symlink",
           "symlinkat", "unlink", "unlinkat", "rmdir", "truncate"}

STRING = re.compile(r'"(?:[^"\\]|\\.)*"')
CALL = re.compile(r"^(?:\[pid\s+)?(\d+)\]?\s+(\w+)\((.*)$")


def calls(lines):
    """(pid, name, arguments text, result text) for each traced call in strace -f output; a call
    split by another thread is taken from its first half (its arguments)."""
    for line in lines:
        m = CALL.match(line.rstrip("\n"))
        if not m:
            continue  # signals, exits, "<... resumed>" halves
        pid, name, rest = m.groups()
        if rest.endswith("<unfinished ...>"):
            args, result = rest[:-len("<unfinished ...>")].rstrip(), "(unfinished)"
        else:
            args, _, result = rest.rpartition(") = ")
            if not _:
                args, result = rest, "?"
        yield int(pid), name, args, result.strip()


def paths(args):
    """The string arguments of a call, unescaped enough to read."""
    return [s[1:-1] for s in STRING.findall(args)]


def judge(call, runtime_dir):
    """('fail' | 'allow' | None, reason) for one call: None for the harmless (reads, and
    everything else not listed)."""
    pid, name, args, result = call
    bare = STRING.sub('""', args)  # flags and families, never text inside a path
    where = paths(args)
    path = where[0] if where else ""
    if name in ("open", "openat", "openat2", "creat"):
        flags = [f for f in WRITE_FLAGS if f in bare]
        if name == "creat":
            flags = ["creat"]
        if not flags:
            return None, ""
        if path.startswith("/dev/"):
            return "allow", f"{path} opened {'|'.join(flags)}: a device"
        return "fail", f"{path} opened {'|'.join(flags)} ({result})"
    if name in CHANGES:
        if name in ("mkdir", "mkdirat") and path.rstrip("/") == runtime_dir.rstrip("/"):
            return "allow", f"mkdir {path} ({result}): Qt makes sure its runtime folder exists"
        return "fail", f"{name} {' -> '.join(where)} ({result})"
    if name == "socket":
        if "AF_INET" in bare:  # AF_INET and AF_INET6
            return "fail", f"an Internet socket: socket({args})"
        if "AF_NETLINK" in bare:
            if "NETLINK_KOBJECT_UEVENT" not in bare:
                return "fail", f"a netlink socket other than device events: socket({args})"
            return "allow", "socket(AF_NETLINK, NETLINK_KOBJECT_UEVENT): gamepads plugged in"
        return "allow", f"socket({bare.split(',')[0]})"
    if name in ("connect", "bind"):
        family = re.search(r"sa_family=(\w+)", bare)
        family = family.group(1) if family else "?"
        # Only device-event sockets can exist (above); binding one is how it hears the events.
        if name == "bind" and family == "AF_NETLINK":
            return "allow", "bind to the kernel's device events"
        if family != "AF_UNIX":
            return "fail", f"{name} to {family}: {args}"
        return "allow", f"{name} to a local socket {path}"
    if name == "execve":
        found = "started" if result == "0" else "not found"
        return "allow", f"a program run: {os.path.basename(path)} ({found})"
    return None, ""


def left_files(folder, ours):
    """Files and folders under `folder` other than those in `ours`."""
    found = []
    for root, dirs, files in os.walk(folder):
        for n in dirs + files:
            p = os.path.join(root, n)
            if os.path.relpath(p, folder) not in ours:
                found.append(p)
    return sorted(found)


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--game", required=True, help="the game binary")
    args = parser.parse_args()
    home = tempfile.mkdtemp(prefix="brivazon-files-")
    log = os.path.join(home, "..", os.path.basename(home) + ".strace")
    # Only the traced calls stop the game (seccomp), so it plays at nearly its own pace.
    prefix = ["strace", "-f", "-qq", "--seccomp-bpf", "-s", "256", "-o", log,
              "-e", f"trace={TRACED}"]
    with Xvfb() as server:
        screen = Screen(server.name)
        shots = tempfile.mkdtemp(prefix="brivazon-files-shots-")
        whole = WholeGame(screen, args.game, shots, prefix=prefix, home=home, timed_out=(),
                          idle_checks=False)
        try:
            whole.play()
        except (Failure, Timeout) as e:
            print(f"FAILED: the game did not play through: {e} (screens in {shots})")
            return 1
    status, g = whole.status, whole.g
    runtime = g.env["XDG_RUNTIME_DIR"]
    failures, allowed = [], {}
    with open(log) as f:
        for call in calls(f):
            verdict, reason = judge(call, runtime)
            if verdict == "fail":
                failures.append(reason)
            elif verdict == "allow":
                allowed[reason] = allowed.get(reason, 0) + 1
    ours = {"stderr.txt", "runtime", ".cache", ".config", ".local", ".local/share"}
    left = left_files(home, ours)
    rows = [[reason, count, "allowed"] for reason, count in sorted(allowed.items())]
    rows += [[reason, 1, "FAILED"] for reason in failures]
    rows += [[f"left behind: {p}", 1, "FAILED"] for p in left]
    print(M.table(rows, ["call", "times", "verdict"]))
    print(f"game exit status: {status}; strace log: {os.path.normpath(log)}")
    bad = len(failures) + len(left) + (status != 0)
    print(f"{'passed' if not bad else 'FAILED'}: no file written, no network socket")
    return 1 if bad else 0


if __name__ == "__main__":
    sys.exit(main())
