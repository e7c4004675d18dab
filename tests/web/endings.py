# SPDX-FileCopyrightText: 2026 The Brivazon developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Fresh games ended with Escape in several phases, at once and for good (one name typed with a
dead key; three long names, each of which must stay in its seat's share of the scene), no text
cut off on the way."""
import time

from .browser import Page, cut_texts


def names_beyond_seats(page):
    """The players' names shown beyond their seats: each seat in play, left to right, has its
    share of the scene (a third with three, a half with two, all of it with one), and its name
    tag, colour and text, stays within it."""
    return page.js("return __brivazonNamesBeyondSeats()")


# Escape ends the game at once in every phase; while a message is open it closes the message.
ENDINGS = {
    "player count": [],
    "name box": ["key 2", "wait 300"],
    "welcome card": ["key 1", "wait 300", "type Zoé", "key ENTER", "wait 600"],
    "topic choice": ["key 1", "wait 300", "type Jean-Cl", "compose é", "type ment", "key ENTER",
                     "wait 2700"],
    "message box": ["key 1", "wait 300", "key ENTER", "wait 300"],
    "topic choice with three long names": [
        "key 3", "wait 300", "type Anne-Sophie-Charlotte de La Tour-Maubourg-Villeneuve",
        "key ENTER", "wait 600", "type Maximilien-Alexandre de Saint-Exupéry-Beauregard",
        "key ENTER", "wait 600", "type Chloé", "key ENTER", "wait 2700"],
}


def endings(url, out):
    problems = []
    for phase, steps in ENDINGS.items():
        page = Page(url, {"draws": [0.1, 0.5, 0.9, 0.3, 0.7], "seed": 1})
        try:
            for step in steps:
                name, _, arg = step.partition(" ")
                if name == "key":
                    page.press(arg)
                elif name == "type":
                    page.type(arg)
                elif name == "compose":
                    page.compose(arg)
                else:
                    time.sleep(int(arg) / 1000)
                page.settle()
            problems += [f"{phase}: text not shown whole: {c}" for c in cut_texts(page)]
            problems += [f"{phase}: a name beyond its seat: {c}" for c in names_beyond_seats(page)]
            if "compose é" in steps and not page.js(
                    "return document.body.textContent.includes('Jean-Clément')"):
                problems.append(f"{phase}: the name composed with a dead key is not on screen")
            boxes = page.dialogs()
            page.press("ESC")
            page.settle()
            if boxes:
                if page.js("return !document.getElementById('over').hidden"):
                    problems.append(f"{phase}: Escape ended the game instead of closing the box")
                page.wait_for(lambda: page.dialogs() < boxes, 2, "the box to close")
                while page.dialogs():
                    page.press("ENTER")
                    page.settle()
                page.press("ESC")
                page.settle()
            page.wait_for(lambda: page.js("return !document.getElementById('over').hidden"), 2,
                          f"the end after Escape ({phase})")
            slug = phase.replace(" ", "-")
            page.shot(out, f"ending-{slug}")
            before = page.js("return [BrivazonPage.stats.journal.length, "
                             "BrivazonPage.stats.timerCallbacks]")
            time.sleep(0.5)
            after = page.js("return [BrivazonPage.stats.journal.length, "
                            "BrivazonPage.stats.timerCallbacks]")
            if after != before:
                problems.append(f"{phase}: the game went on after its end ({before} -> {after})")
            if page.journal()[-1]["what"] != "end":
                problems.append(f"{phase}: the journal does not end with the end")
            print(f"ending at the {phase}: ended at once, nothing after")
        finally:
            page.close()
    return problems
