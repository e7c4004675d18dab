# SPDX-FileCopyrightText: 2026 The Brivazon developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""The game as a screen reader finds it: under a private Xvfb and a private session bus with the
accessibility bus (at-spi2-core), the real game is played with real keys while everything it
shows is read through AT-SPI alone (python3-pyatspi): the window's name for each screen, the
count question, a name prompt, the three topics on offer and a question with its four choices.
Nothing is read from the game's pixels or its source; where a text is expected it is by place,
found in the layout's rows (the topics and the choices stand in the same places every time).
"""

import argparse
import os
import sys
import time

from . import game as G
from .xwatch import Screen, Timeout, Xvfb

COUNT_QUESTION = "Comment de joueurs est-ce que nous avons ajourd-hui?"
NAME_PROMPT = "Joueur 1, tapez votre nom"
# Tops of the topic and choice rows in the window (pixels), and the left edge of each column.
ROWS = (176, 224, 272, 320)
TOPIC_LEFT, CHOICE_LEFT = 272, 280


def on_private_bus(module):
    """Starts the check `module` again under a private session bus of its own, where the
    accessibility bus starts on demand; returns at once in the check so started."""
    if not os.environ.get("BRIVAZON_ATSPI_BUS"):
        os.environ["BRIVAZON_ATSPI_BUS"] = "1"
        os.execvp("dbus-run-session",
                  ["dbus-run-session", "--", sys.executable, "-m", module, *sys.argv[1:]])


def app(pyatspi, timeout=10):
    end = time.monotonic() + timeout
    while time.monotonic() < end:
        for a in pyatspi.Registry.getDesktop(0):
            if a is not None and a.name == "brivazon":
                return a
        time.sleep(0.2)
    raise Timeout("the game on the accessibility bus")


def texts(pyatspi, node):
    """(name, x, y) of every label under `node`, in screen coordinates."""
    out = []
    for child in node:
        if child is None:
            continue
        if child.getRole() in (pyatspi.ROLE_LABEL, pyatspi.ROLE_STATIC):
            e = child.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
            out.append((child.name, e.x, e.y))
        out.extend(texts(pyatspi, child))
    return out


def wait_read(what, read, timeout=10):
    """Reads through AT-SPI until `read` gives something; returns it."""
    end = time.monotonic() + timeout
    while time.monotonic() < end:
        got = read()
        if got:
            return got
        time.sleep(0.1)
    raise Timeout(what)


def play(g, pyatspi):
    g.find_window()
    a = app(pyatspi)
    frame = a[0]
    origin = frame.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)

    def screen_is(name):
        return lambda: frame.name == name

    def at(left, top):
        """The label whose top-left corner is at (left, top) of the window, if one is read."""
        return next((n for n, x, y in texts(pyatspi, frame)
                     if abs(x - origin.x - left) <= 1 and abs(y - origin.y - top) <= 1), None)

    read = []
    wait_read("the count screen's name", screen_is("Nombre de joueurs"))
    wait_read("the count question", lambda: any(n == COUNT_QUESTION
                                                for n, _, _ in texts(pyatspi, frame)))
    read.append(("count question", COUNT_QUESTION))
    g.press("1")
    wait_read("the names screen's name", screen_is("Noms des joueurs"))
    wait_read("the name prompt", lambda: any(n == NAME_PROMPT
                                             for n, _, _ in texts(pyatspi, frame)))
    read.append(("name prompt", NAME_PROMPT))
    g.wait_screen(G.name_entry, 5, "the name box")  # the keys wait for the box, not the reading
    g.type("Zoe")
    g.press("Return")
    wait_read("the topic screen's name", screen_is("Choix du sujet"), 15)
    topics = wait_read("three topics",
                       lambda: (lambda t: t if all(t) else None)(
                           [at(TOPIC_LEFT, top) for top in ROWS[:3]]))
    read += [(f"topic {k + 1}", t) for k, t in enumerate(topics)]
    g.screen.run(0.1)
    g.press("1")
    wait_read("the question screen's name", screen_is("Question"), 15)
    choices = wait_read("four choices",
                        lambda: (lambda t: t if all(t) else None)(
                            [at(CHOICE_LEFT, top) for top in ROWS]))
    question = wait_read("the question", lambda: at(120, 120))
    read.append(("question", question))
    read += [(f"choice {k + 1}", c) for k, c in enumerate(choices)]
    scores = [n for n, _, _ in texts(pyatspi, frame) if n.startswith("Zoe: ")]
    if not scores:
        raise Timeout("the score named by its player")
    read.append(("score", scores[0]))
    return read


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--game", required=True, help="the game binary")
    args = parser.parse_args()
    on_private_bus(__spec__.name)
    import pyatspi
    with Xvfb() as server:
        screen = Screen(server.name)
        g = G.Game(screen, args.game, extra_env={
            "QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1",
            "DBUS_SESSION_BUS_ADDRESS": os.environ["DBUS_SESSION_BUS_ADDRESS"]})
        try:
            read = play(g, pyatspi)
        except Timeout as e:
            print(f"FAILED: not read through AT-SPI: {e}")
            return 1
        finally:
            g.kill()
    for what, text in read:
        print(f"{what:>15}: {text}")
    print("passed: the count question, a name prompt, three topics and a question with its "
          "choices were read through AT-SPI")
    return 0


if __name__ == "__main__":
    sys.exit(main())
