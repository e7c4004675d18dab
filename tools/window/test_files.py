# SPDX-FileCopyrightText: 2026 The Brivazon developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Tests of the strace judge: which calls write files or reach the network."""

import os
import tempfile
import unittest

from . import files as F

RUNTIME = "/tmp/home/runtime"


def verdict(line):
    (call,) = list(F.calls([line]))
    return F.judge(call, RUNTIME)[0]


class StraceLines(unittest.TestCase):
    def test_complete_unfinished_and_resumed_calls(self):
        lines = [
            '101 openat(AT_FDCWD, "/etc/fonts/fonts.conf", O_RDONLY|O_CLOEXEC) = 3\n',
            '102 openat(AT_FDCWD, "/tmp/x", O_WRONLY|O_CREAT, 0644 <unfinished ...>\n',
            '101 --- SIGCHLD {si_signo=SIGCHLD} ---\n',
            '102 <... openat resumed>) = 4\n',
            '[pid   103] socket(AF_INET6, SOCK_DGRAM, 0) = 5\n',
            '101 +++ exited with 0 +++\n',
        ]
        found = list(F.calls(lines))
        self.assertEqual([(c[0], c[1]) for c in found],
                         [(101, "openat"), (102, "openat"), (103, "socket")])
        self.assertEqual(found[0][3], "3")
        self.assertIn("O_CREAT", found[1][2])
        self.assertEqual(found[1][3], "(unfinished)")

    def test_paths_keep_their_escaped_quotes_inside(self):
        self.assertEqual(F.paths(r'AT_FDCWD, "/a \"b\".txt", O_RDONLY'), [r'/a \"b\".txt'])


class Judging(unittest.TestCase):
    def test_reads_pass_and_any_write_flag_fails(self):
        self.assertIsNone(verdict('1 openat(AT_FDCWD, "/usr/share/x", O_RDONLY|O_CLOEXEC) = 3'))
        for flags in ("O_WRONLY", "O_RDWR", "O_WRONLY|O_CREAT|O_TRUNC", "O_WRONLY|O_APPEND",
                      "O_RDWR|O_TMPFILE"):
            self.assertEqual(verdict(f'1 openat(AT_FDCWD, "/home/p/x", {flags}, 0600) = 3'),
                             "fail", flags)
        self.assertEqual(verdict('1 creat("/home/p/x", 0644) = 3'), "fail")

    def test_a_failed_attempt_to_write_still_fails(self):
        self.assertEqual(
            verdict('1 openat(AT_FDCWD, "/root/.cache/x", O_WRONLY|O_CREAT, 0644) = -1 EACCES'),
            "fail")

    def test_flag_names_inside_a_path_are_not_flags(self):
        self.assertIsNone(verdict('1 openat(AT_FDCWD, "/tmp/O_RDWR|O_CREAT", O_RDONLY) = 3'))

    def test_devices_are_allowed(self):
        self.assertEqual(verdict('7 openat(AT_FDCWD, "/dev/null", O_RDWR) = 11'), "allow")

    def test_changes_to_the_file_system_fail_but_the_runtime_folder_check(self):
        self.assertEqual(verdict(f'1 mkdir("{RUNTIME}", 0700) = -1 EEXIST (File exists)'),
                         "allow")
        self.assertEqual(verdict('1 mkdir("/tmp/runtime-root", 0700) = 0'), "fail")
        self.assertEqual(verdict('1 unlink("/home/p/.lock") = 0'), "fail")
        self.assertEqual(verdict('1 renameat2(AT_FDCWD, "/a", AT_FDCWD, "/b", 0) = 0'), "fail")

    def test_only_local_sockets_are_allowed(self):
        self.assertEqual(verdict('1 socket(AF_UNIX, SOCK_STREAM|SOCK_CLOEXEC, 0) = 3'), "allow")
        self.assertEqual(verdict('1 socket(AF_INET, SOCK_STREAM, IPPROTO_TCP) = 3'), "fail")
        self.assertEqual(verdict('1 socket(AF_INET6, SOCK_DGRAM, 0) = 3'), "fail")
        self.assertEqual(verdict(
            '1 connect(3, {sa_family=AF_UNIX, sun_path=@"/tmp/.X11-unix/X0"}, 20) = 0'), "allow")
        self.assertEqual(verdict(
            '1 connect(3, {sa_family=AF_INET, sin_port=htons(6000), '
            'sin_addr=inet_addr("127.0.0.1")}, 16) = 0'), "fail")

    def test_of_netlink_only_the_kernels_device_events_are_allowed(self):
        self.assertEqual(verdict('1 socket(AF_NETLINK, SOCK_RAW|SOCK_CLOEXEC|SOCK_NONBLOCK, '
                                 'NETLINK_KOBJECT_UEVENT) = 6'), "allow")
        self.assertEqual(verdict('1 bind(6, {sa_family=AF_NETLINK, nl_pid=0, '
                                 'nl_groups=0x000002}, 12) = 0'), "allow")
        self.assertEqual(verdict('1 socket(AF_NETLINK, SOCK_RAW, NETLINK_ROUTE) = 6'), "fail")
        self.assertEqual(verdict('1 connect(6, {sa_family=AF_NETLINK, nl_pid=0, '
                                 'nl_groups=00000000}, 12) = 0'), "fail")


class LeftBehind(unittest.TestCase):
    def test_only_files_other_than_ours_are_reported(self):
        with tempfile.TemporaryDirectory() as home:
            os.makedirs(os.path.join(home, ".cache", "fontconfig"))
            open(os.path.join(home, "stderr.txt"), "w").close()
            left = F.left_files(home, {"stderr.txt", ".cache"})
            self.assertEqual(left, [os.path.join(home, ".cache", "fontconfig")])


if __name__ == "__main__":
    unittest.main()
