# SPDX-FileCopyrightText: 2026 The Brivazon developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""The page in WebKit, the engine of every iPad and iPhone browser: Debian's WebKitGTK in a GTK
window under Xvfb, its keys typed by xdotool as a keyboard's.

The check's side (`WebKit`) starts this file under xvfb-run with Debian's Python (its gi
modules import only there) and sends it one command a line, in JSON; this side shows the page
and answers each command with a line: a script's value, a snapshot, keys typed into the window.
"""
import json
import os
import select
import subprocess
import sys
import tempfile

ENTER = "\n"


class WebKit:
    """One WebKitGTK window on a page, its hook and watch set before the page's own scripts,
    its view `width` x `height` CSS pixels."""

    name = "WebKit"
    ENTER = ENTER

    def __init__(self, url, preload, width, height):
        # Checks run as root in containers, where WebKit's own sandbox cannot start; the page
        # is the project's own, served from this machine.
        env = dict(os.environ, WEBKIT_DISABLE_SANDBOX_THIS_IS_DANGEROUS="1")
        self.log = tempfile.TemporaryFile()
        self.process = subprocess.Popen(
            ["xvfb-run", "-a", "-s", f"-screen 0 {width + 200}x{height + 200}x24",
             "/usr/bin/python3", __file__, url, str(width), str(height)],
            stdin=subprocess.PIPE, stdout=subprocess.PIPE, stderr=self.log,
            text=True, env=env, start_new_session=True)
        self.call({"preload": preload})

    def call(self, command):
        self.process.stdin.write(json.dumps(command) + "\n")
        self.process.stdin.flush()
        if not select.select([self.process.stdout], [], [], 60)[0]:
            raise AssertionError(f"WebKit did not answer {command} within 60 s")
        line = self.process.stdout.readline()
        if not line:
            self.log.seek(0)
            raise AssertionError(f"WebKit stopped (exit status {self.process.poll()}): "
                                 f"{self.log.read().decode(errors='replace')[-600:]}")
        answer = json.loads(line)
        if "error" in answer:
            raise AssertionError(f"WebKit: {answer['error']}")
        return answer.get("value")

    def js(self, expression):
        value = self.call({"js": f"JSON.stringify({expression})"})
        return None if value in (None, "undefined") else json.loads(value)

    def keys(self, text):
        self.call({"keys": text})

    def shot(self, path):
        self.call({"shot": str(path)})

    def close(self):
        try:
            self.process.stdin.close()  # the window's side quits at the end of its input
        except OSError:
            pass
        try:
            self.process.wait(15)
        except subprocess.TimeoutExpired:
            os.killpg(self.process.pid, 15)
            self.process.wait()
        self.log.close()


def show(url, width, height):
    """The window's side: a GTK main loop reading commands from standard input."""
    import gi
    gi.require_version("Gtk", "3.0")
    gi.require_version("GdkX11", "3.0")
    gi.require_version("WebKit2", "4.1")
    from gi.repository import GdkX11, GLib, Gtk, WebKit2  # noqa: F401 (GdkX11: get_xid)

    Gtk.init()
    content = WebKit2.UserContentManager()
    view = WebKit2.WebView.new_with_user_content_manager(content)
    window = Gtk.Window()
    window.set_default_size(width, height)
    window.add(view)
    window.connect("destroy", Gtk.main_quit)

    def answer(**reply):
        sys.stdout.write(json.dumps(reply) + "\n")
        sys.stdout.flush()

    def evaluated(_view, result):
        try:
            answer(value=view.evaluate_javascript_finish(result).to_string())
        except GLib.Error as error:
            answer(error=error.message)

    def snapped(_view, result, path):
        try:
            view.get_snapshot_finish(result).write_to_png(path)
            answer()
        except GLib.Error as error:
            answer(error=error.message)

    def typed(runs, typist):
        # The keys are read while xdotool types: it maps a key for each accented letter for a
        # moment, and a key read after the map is undone would be another letter.
        if typist and typist.poll() is None:
            return True
        if typist and typist.returncode:
            answer(error="xdotool failed")
        elif runs:
            GLib.timeout_add(20, typed, runs[1:], subprocess.Popen(["xdotool"] + runs[0]))
        else:
            answer()
        return False

    def command(stream, _condition):
        line = stream.readline()
        if not line:
            Gtk.main_quit()
            return False
        order = json.loads(line)
        if "preload" in order:
            content.add_script(WebKit2.UserScript.new(
                order["preload"], WebKit2.UserContentInjectedFrames.TOP_FRAME,
                WebKit2.UserScriptInjectionTime.START, None, None))
            window.show_all()
            view.load_uri(url)
            answer()
        elif "js" in order:
            view.evaluate_javascript(order["js"], -1, None, None, None, evaluated)
        elif "shot" in order:
            view.get_snapshot(WebKit2.SnapshotRegion.VISIBLE, WebKit2.SnapshotOptions.NONE,
                              None, snapped, order["shot"])
        elif "keys" in order:
            xid = str(window.get_window().get_xid())
            runs = [["windowfocus", "--sync", xid]]
            for ch in order["keys"]:
                # xdotool puts a letter missing from the keyboard on a spare key at its first
                # level, where X takes a capital for its lower case: Shift gives the capital.
                if ch == ENTER:
                    runs.append(["key", "Return"])
                elif ch.isupper() and not ch.isascii():
                    runs += [["keydown", "Shift_L"], ["type", ch], ["keyup", "Shift_L"]]
                elif runs[-1][0] == "type" and len(runs[-1]) == 4:
                    runs[-1][-1] += ch
                else:
                    runs.append(["type", "--delay", "30", ch])
            typed(runs, None)
        return True

    GLib.io_add_watch(sys.stdin, GLib.IO_IN | GLib.IO_HUP, command)
    Gtk.main()


if __name__ == "__main__":
    show(sys.argv[1], int(sys.argv[2]), int(sys.argv[3]))
