# SPDX-FileCopyrightText: 2026 The Brivazon developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""The scenario runner (brivazon-sim) as the checks read it, written once: the scenarios it
plays, the lines of the transcripts it prints, and its screen inventory. The window checks read
their places from its inventory; the browser checks (tests/web) replay its scenarios on the page
and hold the page to its transcripts.

A runner is a command: [path] for the native one, [node, path] for the one built for Node.js.
"""

import json
import re
import subprocess

# A transcript line: its time stamp in ms, then what happened.
STAMPED = re.compile(r"\[(\d+)\] (.*)$")
QUOTED = r'"((?:[^"\\]|\\.)*)"'
# The lines a player sees or hears happen: a phase, a message box, a beep, the end.
EVENT = re.compile(r"(phase|msgbox|beep|end)(?: (.*))?$")
MSGBOX = re.compile(QUOTED + " " + QUOTED + "$")
# A dump's line of one element: form.element caption="..." (or text="...") field=value...
ELEMENT = re.compile(r"(\w+)\.(\w+) (caption|text)=" + QUOTED + " (.*)$")


def run(runner, *options, scenario=""):
    """What the runner prints, given its options and a scenario on its standard input."""
    return subprocess.run([*runner, *options], input=scenario.encode("utf-8"),
                          capture_output=True, check=True).stdout.decode("utf-8")


def inventory(runner):
    return json.loads(run(runner, "--inventory"))


def unquote(text):
    """A text as the runner quotes it: a backslash before each quote and backslash."""
    return re.sub(r"\\(.)", r"\1", text)


def scenario(text):
    """The draws queued before the game starts, and the commands as (name, argument), later
    `rnd` lines among them (a replay queues their draws when it reaches them)."""
    draws, commands = [], []
    for line in text.splitlines():
        stripped = line.lstrip(" \t")
        if not stripped or stripped.startswith("#"):
            continue
        name, _, rest = stripped.partition(" ")
        if name == "rnd" and not commands:
            draws += [float(v) for v in rest.split()]
        else:
            commands.append((name, rest))
    return draws, commands


def stamped(transcript):
    """(time, rest) of each time-stamped line."""
    for line in transcript.splitlines():
        m = STAMPED.match(line)
        if m:
            yield int(m.group(1)), m.group(2)


def events(transcript):
    """(time, what) of the phases, message boxes, beeps and the end: "phase NAME",
    "msgbox TITLE|TEXT", "beep", "end"."""
    found = []
    for t, rest in stamped(transcript):
        m = EVENT.match(rest)
        if not m:
            continue
        kind, arg = m.group(1), m.group(2) or ""
        if kind == "phase":
            what = "phase " + unquote(re.fullmatch(QUOTED, arg).group(1))
        elif kind == "msgbox":
            title, text = MSGBOX.match(arg).groups()
            what = f"msgbox {unquote(title)}|{unquote(text)}"
        else:
            what = kind
        found.append((t, what))
    return found


def dump_times(transcript, form="frmGame"):
    """The time of each dump of a window (its first line, `form visible=...`)."""
    return [t for t, rest in stamped(transcript) if rest.startswith(form + " visible=")]


def dumped_elements(transcript, form="frmGame"):
    """A window's elements as its dumps left them, by name: their text (a label's caption or
    a box's text) and their other fields as the runner wrote them (visible, left, back...)."""
    rows = {}
    for _, rest in stamped(transcript):
        m = ELEMENT.match(rest)
        if m and m.group(1) == form:
            fields = dict(f.split("=", 1) for f in m.group(5).split())
            fields["text"] = unquote(m.group(4))
            rows[m.group(2)] = fields
    return rows
