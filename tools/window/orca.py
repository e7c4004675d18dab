# SPDX-FileCopyrightText: 2026 The Brivazon developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""What a blind player hears: under a private Xvfb and a private session bus with the
accessibility bus, speech-dispatcher (its dummy output) and the screen reader Orca as Debian
ships it, with its default settings and its debug log, a scripted one-player game reaches the
name box, the topics, the title cards, a question with its choices, a buzz, the verdicts, the
scores, the gibberish question with its clues and its revealed phrase, and the final round;
then the check reads from Orca's own log what it spoke. What was on screen is read through
AT-SPI (the texts by place, from the layout's rows) or is one of the game's fixed texts.
"""

import argparse
import os
import re
import subprocess
import sys
import time

from gi.repository import GLib

from . import atspi as A
from . import game as G
from .xwatch import Screen, Timeout, Xvfb, private_env, terminate

# A line of Orca's debug log that gives what it spoke (its voice may follow the words).
UTTERANCE = re.compile(r"SPEECH OUTPUT: '(.*)'(?: voice=\w+)?\s*(?:\{.*\}|ACSS.*)?$")
# How Orca names the role of what it says at once, before its words.
NOTIFICATION = "notification"


class Orca:
    """speech-dispatcher, then Orca with its debug log, on the display and session bus given."""

    def __init__(self, display_name, log):
        self.log = log
        env = private_env(display_name)
        env["DBUS_SESSION_BUS_ADDRESS"] = os.environ["DBUS_SESSION_BUS_ADDRESS"]
        # Orca's own words (a role's name) in the language the check expects.
        env["LANG"] = "C.UTF-8"
        env.pop("LANGUAGE", None)
        self.err = open(log + ".stderr", "wb")
        # Started here rather than left to Orca's autospawn, which gives up on a busy machine:
        # its dummy voice, playing to ALSA's null device, as the machine may have no sound.
        config = os.path.join(env["HOME"], "speechd")
        os.makedirs(os.path.join(config, "modules"))
        with open(os.path.join(config, "speechd.conf"), "w") as f:
            f.write('AddModule "dummy" "sd_dummy" "dummy.conf"\nDefaultModule "dummy"\n'
                    'AudioOutputMethod "alsa"\nAudioALSADevice "null"\n')
        open(os.path.join(config, "modules", "dummy.conf"), "w").close()
        self.speechd = subprocess.Popen(
            ["speech-dispatcher", "--run-single", "--timeout", "0", "--config-dir", config],
            env=env, stdout=subprocess.DEVNULL, stderr=self.err)
        socket = os.path.join(env["XDG_RUNTIME_DIR"], "speech-dispatcher", "speechd.sock")
        A.wait_read("speech-dispatcher to start", lambda: os.path.exists(socket), 20)
        self.proc = subprocess.Popen(["orca", "--replace", f"--debug-file={log}"], env=env,
                                     stdout=subprocess.DEVNULL, stderr=self.err)

    def spoken(self):
        """Every utterance of the log so far, in order."""
        try:
            with open(self.log, errors="replace") as f:
                return [m.group(1) for m in map(UTTERANCE.search, f) if m]
        except FileNotFoundError:
            return []

    def stop(self):
        for proc in (self.proc, self.speechd):
            terminate(proc)
        self.err.close()


class Failure(Exception):
    """Orca did not say what was on screen."""


class Listener:
    """The game as a blind player meets it: what is on screen, read through AT-SPI, noted with
    the words Orca is expected to have said of it."""

    def __init__(self, g, orca, pyatspi, items):
        self.g, self.orca, self.pyatspi = g, orca, pyatspi
        self.frame = A.app(pyatspi)[0]
        self.origin = self.frame.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        self.items = items  # (what, the words expected in one utterance, only once)

    def placed(self):
        """(name, x, y) of every label, read again when one went away while it was read."""
        while True:
            try:
                return A.texts(self.pyatspi, self.frame)
            except GLib.Error:
                time.sleep(0.01)

    def texts(self):
        return [n for n, _, _ in self.placed()]

    def at(self, name):
        """The text read through AT-SPI at the place of the layout's label `name`, if any."""
        r = self.g.places.rect(name)
        for n, x, y in self.placed():
            if abs(x - self.origin.x - r.x) <= 1 and abs(y - self.origin.y - r.y) <= 1:
                return n
        return None

    def box_text(self):
        """The text in the line edit shown, read through AT-SPI."""
        for child in self.frame:
            for node in _walk(child):
                if node.getRole() == self.pyatspi.ROLE_TEXT:
                    text = node.queryText()
                    return text.getText(0, text.characterCount)
        return None

    def screen_is(self, name, timeout=15):
        A.wait_read(f"the screen {name}", lambda: self.frame.name == name, timeout)

    def said(self, what, *parts, once=False):
        """Expects Orca to have said `parts` in one utterance, in that order (and in one only
        when `once`); judged on the whole log once Orca has ended, as it writes its log late."""
        self.items.append((what, parts, once))


def _walk(node):
    yield node
    for child in node:
        if child is not None:
            yield from _walk(child)


def _in_order(utterance, parts):
    at = 0
    for p in parts:
        at = utterance.find(p, at)
        if at < 0:
            return False
        at += len(p)
    return True


PLAYER = "Zoe"


def play(g, orca, pyatspi, items):
    s = g.screen
    g.find_window()
    g.wait_screen(G.player_count, 10, "the player count")
    me = Listener(g, orca, pyatspi, items)
    g.press("1")
    g.wait_screen(G.name_entry, 5, "the name box")
    me.said("the name box, by its prompt", A.NAME_PROMPT)
    g.type(PLAYER)
    g.press("Return")
    me.said("the welcome card", "Bienvenu à Brivazon!")
    g.wait_screen(G.topic_choice, 15, "the first topic choice")
    s.run(0.2)
    topics = [me.at(f"lblTopic{k}") for k in (1, 2, 3)]
    me.said("the three topics with their keys", *[f"{k}) {t}" for k, t in enumerate(topics, 1)])
    for q in range(1, 15):
        if q == 3:
            gibberish(g, me)
        else:
            question(g, me, q)
    final_round(g, me)


def question(g, me, q):
    """Question `q`, buzzed and answered 1; the first one in full."""
    g.press("1" if q == 10 else "3")  # topic 3 of question 10 is the gibberish question
    g.wait_screen(G.question, 10, f"question {q}")
    if q == 1:
        me.said("the round's title card", "Rond 1")
        me.said("the question's title card", "Question 1")
        choices = [f"{k}) {me.at(f'lblChoice{k}')}" for k in range(1, 5)]
        me.said("the question with its amount, then its choices, once", me.at("lblQuestion"),
                f"Pour {me.at('lblValue')}", *choices, once=True)
    g.press("b")
    if q == 1:
        me.said("who buzzed", f"Answer {PLAYER}")
    g.press("1")
    g.wait_box(5, f"question {q}'s verdict")
    if q == 1:
        score = next(t for t in me.texts() if t.startswith(PLAYER + ": "))
        me.said("the score that changed", score)
        me.said("the verdict", "C'est incorrect." if "-" in score else "Tu es correct!")
    g.close_boxes_until(G.topic_choice, 25, f"the topic choice after question {q}")
    g.screen.run(0.1)


def gibberish(g, me):
    """The gibberish question: a wrong typed answer after the first clue, then every clue, the
    run-out and the phrase revealed."""
    g.press("3")
    me.screen_is("Question charabia")
    me.said("the gibberish title card", "Question De Baragouin")
    g.screen.run(0.5)
    me.said("the gibberish sentence", me.at("lblQuestion"))
    clue = A.wait_read("the first clue", lambda: me.at("lblClue1"), 20)
    me.said("the first clue", clue)
    g.press("b")
    g.screen.run(0.3)
    g.type("x")
    g.press("Return")
    # Said as the notification it is, not as the message box of an ordinary question.
    me.said("the typed answer judged wrong", f"{NOTIFICATION} C'est incorrect.")
    score = A.wait_read("the score after the wrong answer",
                        lambda: next((t for t in me.texts() if t.startswith(PLAYER + ": ") and
                                      t != f"{PLAYER}: 0" and "-" in t), None), 5)
    me.said("the score after the wrong answer", score)
    for k in (2, 3):
        clue = A.wait_read(f"clue {k}", lambda: me.at(f"lblClue{k}"), 20)
        me.said(f"clue {k}", clue)
    g.wait_box(30, "the gibberish question's run-out")
    g.answer_box()
    phrase = A.wait_read("the revealed phrase", me.box_text, 5)
    me.said("the phrase revealed", phrase)
    g.close_boxes_until(G.topic_choice, 25, "the topic choice after the gibberish question")
    g.screen.run(0.1)


def final_round(g, me):
    """The final round: every word seen on screen through AT-SPI is said; a few buzzes."""
    s = g.screen
    g.press("1")
    me.screen_is("Manche finale")
    me.said("the final round's title card", "Attaque de Brivazon")
    words = []
    scores = set()
    end = time.monotonic() + 120
    next_buzz = time.monotonic() + 3
    while True:
        if time.monotonic() > end:
            raise Timeout("the end of the final round")
        seen = me.texts()
        if g.boxes():
            break  # the round is over: what is seen now is the message's
        for t in seen:
            if t.startswith(PLAYER + ": "):
                scores.add(t)
            elif t and t != PLAYER and t not in words:
                words.append(t)
        if time.monotonic() > next_buzz:
            g.press("b")
            next_buzz = time.monotonic() + 5
        s.run(0.05)
    english = [w for w in words if w.isupper()]
    french = [w for w in words if not w.isupper()]
    for w in english:
        me.said("the English word to catch", w)
    for w in french:
        me.said("a French word as it flashes", w)
    for t in sorted(scores - {f"{PLAYER}: 0"}):
        me.said("a final-round score", t)
    if len(english) < 2 or len(french) < 3 or len(scores) < 2:
        raise Failure(f"the final round showed too little to judge: {words}, {scores}")
    g.answer_box()


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--game", required=True, help="the game binary")
    parser.add_argument("--out", required=True, help="where Orca's log is kept")
    args = parser.parse_args()
    A.on_private_bus(__spec__.name)
    import pyatspi
    os.makedirs(args.out, exist_ok=True)
    log = os.path.join(args.out, "orca-debug.log")
    if os.path.exists(log):
        os.remove(log)
    failure, items = None, []
    with Xvfb() as server:
        screen = Screen(server.name)
        orca = Orca(server.name, log)
        try:
            A.wait_read("Orca to start", lambda: "Screen reader on." in orca.spoken(), 30)
            g = G.Game(screen, args.game, extra_env={
                "QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1",
                "DBUS_SESSION_BUS_ADDRESS": os.environ["DBUS_SESSION_BUS_ADDRESS"]})
            try:
                play(g, orca, pyatspi, items)
            except (Timeout, Failure) as e:
                failure = e
            finally:
                g.kill()
        finally:
            orca.stop()
    spoken = orca.spoken()
    missing = 0
    for what, parts, once in items:
        said = sum(1 for u in spoken if _in_order(u, parts))
        right = said == 1 if once else said > 0
        missing += not right
        print(f"{'said' if right else f'SAID {said}x' if said else 'NOT SAID':>8}: {what}: "
              f"{' | '.join(parts)}")
    if failure:
        print(f"FAILED: the game could not be played through: {failure}")
    if missing:
        print(f"FAILED: Orca did not say {missing} of {len(items)} items as it should "
              f"(its log: {log})")
    if failure or missing:
        return 1
    print(f"passed: Orca said all {len(items)} items (its log: {log})")
    return 0


if __name__ == "__main__":
    sys.exit(main())
