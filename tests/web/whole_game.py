# SPDX-FileCopyrightText: 2026 The Brivazon developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""The whole-game check: a scenario replayed on the page against the page's own clock, by keys
or, on a tablet, by touch alone. Its random draws are fixed through a hook that only this check
sets before the page loads, its keys are real key events, its waits are real time. What the
page did (phases, message boxes, beeps, the end) must be what the scenario's transcript says,
in the same order, at nearly the same times; its `dump` is checked against the page's elements
(texts, visibility, colours, places); a stray key pressed before every OK must be lost; every
beep must play a tone; no text may ever be cut off; the end must show the final scores.
"""
import json
import re
import time

from window import sim

from . import ROOT
from .browser import NAMED, Page, cut_texts


# A key whose lateness moves the rest of the scenario along with it (the first key of a page
# may take this long); smaller delays are left alone, so that keys stay in step with the
# game's own timers.
LATE_MS = 50
# Fingers that land together at the instant of a flash land this much after it on the page, so
# that the game's clock, which a late key leaves behind the scenario's, has shown the flash.
FINGERS_AFTER_MS = 40
# How far the page's times may stray from the transcript's (a key lands a few ms late).
TIME_SLACK_MS = 150
# How many of the last keys an event's time may be counted from.
RECENT_KEYS = 40


def check_dump(page, want, twips):
    """The page's game window against a dump: texts, visibility, colours, places (`twips` to a
    pixel)."""
    got = page.js("return __brivazonElements()")
    problems = []
    for name, w in want.items():
        g = got.get(name)
        if g is None:
            problems.append(f"{name}: missing")
            continue
        if g["text"] != w["text"]:
            problems.append(f"{name}: text {g['text']!r}, want {w['text']!r}")
        if g["visible"] != w["visible"]:
            problems.append(f"{name}: visible {g['visible']}, want {w['visible']}")
        if w["back"] != "default":
            colour = "rgb(" + w["back"].replace(",", ", ") + ")"
            if g["back"] != colour:
                problems.append(f"{name}: back {g['back']}, want {colour}")
        for field in ["left", "top", "height"] + ([] if g["auto"] else ["width"]):
            px = float(w[field]) / twips
            if abs(float(g[field].rstrip("px") or 0) - px) > 0.01:
                problems.append(f"{name}: {field} {g[field]}, want {px}px")
    return problems


def command_times(runner, scenario):
    """The scenario's time of each command, as the runner plays it: a `dump` put before each
    command prints its time."""
    marked = []
    for line in scenario.read_text(encoding="utf-8").splitlines():
        if line.lstrip(" \t").split(" ")[0] in ("key", "type", "ok", "dump"):
            marked.append("dump")
        marked.append(line)
    # Each marked dump, and the scenario's own dumps, print the game window once.
    return sim.dump_times(sim.run(runner, scenario="\n".join(marked) + "\n"))


def replay(page, commands, times, out, stray_key, actions, want, touch=False, verbose=False,
           shots="game"):
    """Plays the scenario's keys and OKs on the page, each when the page's clock reaches its
    time in the runner (a key that lands late moves the rest along with it); `actions` gets
    the runner's time of each key and OK the page hears, in order. By `touch`, a finger does
    all a key would but Enter in a box (the tablet's keyboard): a tap on the thing that stands
    for the key, buzz keys at the same instant as fingers in one touch event, phrases typed
    into the box tapped first, each OK tapped (the stray key a stray tap)."""
    base = page.now()
    shot = 0
    steps = iter(times)
    # How long one typed key takes to go through the driver and the page, from the last
    # `type`: a phrase starts early enough for its last key to land at the runner's instant.
    key_ms = 20.0
    previous = 0

    def sleep_until(target):
        while page.now() - base < target:
            time.sleep(0.003)
        # A player acts on what is on screen: everything the runner showed before this moment
        # must have happened on the page first (a busy machine may hold a timer back).
        due = sum(1 for t, _ in want if t < target)
        page.wait_for(lambda: page.js(
            "return BrivazonPage.stats.journal.filter(e => !/^(key |ok|show |phase $)/"
            ".test(e.what)).length") >= due, 3, f"the page to catch up at {target} ms")

    def landed(count, at):
        nonlocal base
        actions.extend([at] * count)
        last = [e["t"] for e in page.journal() if e["what"].startswith(("key ", "ok"))][-1]
        if last - (base + at) > LATE_MS:
            base = last - at

    fingers = []
    for index, (name, arg) in enumerate(commands):
        if name == "rnd":
            page.js("__brivazonTest.draws.push(...arguments)", *[float(v) for v in arg.split()])
            continue
        if name in ("start", "wait"):
            continue
        at = next(steps)
        if name == "dump":
            next(steps)  # the scenario's own dump
        if verbose:
            print(f"  [{at} / page {page.now() - base:.0f}] {name} {arg}", flush=True)
        if name == "type":
            # The runner types a phrase in an instant, a browser key by key: typed in one go
            # at `at`, a long phrase would push the Enter after it past a timer's beat.
            sleep_until(max(previous, at - len(arg) * key_ms * 1.5))
        else:
            sleep_until(at)
        previous = at
        if name == "key" and touch and arg not in NAMED:
            fingers.append(page.place_of(arg))
            after = commands[index + 1] if index + 1 < len(commands) else ("", "")
            if after[0] == "key" and {arg, after[1]} <= {"q", "b", "p"}:
                continue  # lands with the next finger
            while len(fingers) > 1 and page.now() - base < at + FINGERS_AFTER_MS:
                time.sleep(0.003)
            page.touch(fingers)
            page.settle()
            landed(len(fingers), at)
            fingers = []
            if not page.js("return document.getElementById('hint').hidden"):
                hint = page.js("return [document.getElementById('hint').getBoundingClientRect()"
                               ".bottom, document.getElementById('scene')"
                               ".getBoundingClientRect().top]")
                if hint[0] > hint[1] + 0.5:
                    raise AssertionError(f"the hint's bottom {hint[0]} is over the scene")
                page.shot(out, f"{shots}-hint")
                page.touch([page.centre("#hint button")])
        elif name == "key":
            page.press(arg.rstrip(" \t") if arg.strip() else arg)
            page.settle()
            landed(1, at)
        elif name == "type" and touch:
            page.wait_for(lambda: page.js("return document.activeElement.tagName === 'INPUT'"),
                          1, "the box to type in")
            # The box tapped, as a tablet's keyboard opens, then the phrase as it inserts it.
            page.touch([page.centre("input:focus")])
            page.driver.execute_cdp_cmd("Input.insertText", {"text": arg})
            page.settle()
            sleep_until(at)
            landed(0, at)
        elif name == "type":
            # A player types once the box is in sight: a key may land a few ms late, and the
            # box it opened a few ms later than in the runner.
            page.wait_for(lambda: page.js("return document.activeElement.tagName === 'INPUT'"),
                          1, "the box to type in")
            typing = time.monotonic()
            page.type(arg)
            page.settle()
            key_ms = (time.monotonic() - typing) * 1000 / len(arg)
            # The phrase is in the box; what follows happens from the runner's instant.
            sleep_until(at)
            landed(len(arg), at)
        elif name == "ok":
            page.wait_for(lambda: page.dialogs() > 0, 3, "a message box")
            if stray_key:
                # Keys pressed while a message is open are lost; a leak would change the game.
                if touch:
                    page.touch([page.place_of(stray_key)])
                else:
                    page.press(stray_key)
            shot += 1
            if shot % 4 == 1:
                page.shot(out, f"{shots}-box-{shot:02d}")
            if touch:
                page.touch([page.centre(".dialog:not([hidden]) button")])
            else:
                page.press("ENTER")
            page.settle()
            landed(1, at)
        elif name == "dump":
            yield "dump"
        else:
            raise AssertionError(f"the browser check cannot play '{name}'")


def compare_events(journal, want, actions):
    """The page's journal against the transcript: the same events in the same order, each at
    nearly its time counted from the key or OK before it. Returns problems and the largest
    time difference."""
    problems, worst = [], 0.0
    got = [e for e in journal if e["what"] != "phase " and not e["what"].startswith("show ")]
    events = [(e["t"], e["what"]) for e in got if not e["what"].startswith(("key ", "ok"))]
    if [w for _, w in events] != [w for _, w in want]:
        for i in range(max(len(events), len(want))):
            g = events[i][1] if i < len(events) else "(nothing)"
            w = want[i][1] if i < len(want) else "(nothing)"
            if g != w:
                problems.append(f"event {i}: page {g!r}, transcript {w!r}")
                break
        return problems, worst
    # An event falls after the key that caused it, or on a timer that an earlier key set
    # going: it is on time when it is on time after one of the last few keys.
    shifts = [events[0][0] - want[0][0]]
    action = 0
    index = 0
    for entry in got:
        if entry["what"].startswith(("key ", "ok")):
            if action < len(actions):
                shifts = (shifts + [entry["t"] - actions[action]])[-RECENT_KEYS:]
            action += 1
            continue
        wt, what = want[index]
        index += 1
        diff = min((entry["t"] - (wt + shift) for shift in shifts), key=abs)
        worst = max(worst, abs(diff))
        if abs(diff) > TIME_SLACK_MS:
            problems.append(f"{what!r} at {wt} ms came {diff:+.0f} ms off")
    if action != len(actions):
        problems.append(f"the page heard {action} keys and OKs, the test pressed {len(actions)}")
    return problems, worst


def touch_style_problems(page):
    """The scene and its margins are the game's alone (no panning, zoom, selection or long-press
    menu); the rest of the page only loses the double-tap zoom."""
    got = page.js("""
      const b = getComputedStyle(document.body);
      const menu = new MouseEvent('contextmenu', {bubbles: true, cancelable: true});
      document.querySelector('[data-name=lblPNumber]').dispatchEvent(menu);
      return [getComputedStyle(document.documentElement).touchAction, b.touchAction,
              b.userSelect, menu.defaultPrevented];""")
    want = ["manipulation", "none", "none", True]
    return [] if got == want else [f"tablet: touch styles {got}, want {want}"]


def whole_game(url, out, runner, touch=None, verbose=False):
    """One whole game on the page against the transcript of the runner (a command); by touch
    alone on a tablet of that width and height."""
    # By touch, buzzes at the same instant are fingers in one event: the game of the runner's
    # own scenario, which the keys of a page cannot play.
    scenario = ROOT / "tests" / ("data/whole_game_2p.scn" if touch else "web/browser_game.scn")
    name = "game" if not touch else "tablet" if touch[0] > touch[1] else "tablet-upright"
    expected = out / f"{scenario.stem}.expected"
    played = sim.run(runner, scenario=scenario.read_text(encoding="utf-8"))
    expected.write_text(played, encoding="utf-8")
    twips = sim.inventory(runner)["twipsPerPixel"]
    draws, commands = sim.scenario(scenario.read_text(encoding="utf-8"))
    page = Page(url, {"draws": draws, "seed": 1})
    problems = []
    try:
        if touch:
            page.tablet(*touch)
            problems += touch_style_problems(page)
        page.shot(out, f"{name}-00-start")
        actions = []
        want = sim.events(played)
        steps = replay(page, commands, command_times(runner, scenario), out, "q", actions, want,
                       touch, verbose, name)
        for step in steps:
            if step == "dump":
                page.shot(out, f"{name}-dump")
                # By touch the dump falls at the instant of two fingers, which the page can
                # only look at a few ms later, once the bank's 1 ms tick shows the next word.
                if not touch:
                    problems += check_dump(page, sim.dumped_elements(played), twips)
        page.wait_for(lambda: page.js("return !document.getElementById('over').hidden"), 5,
                      "the end of the game")
        page.shot(out, f"{name}-99-end")
        # The end shows each player's final score: the winner's is the one the last box said.
        count = int(next(arg for name, arg in commands if name == "key"))
        names = [arg for name, arg in commands if name == "type"][:count]
        winner = next(list(m.groups()) for _, w in reversed(want)
                      if (m := re.search(r"([^|\s]+) a gagné! \S+ avait (\d+) points", w)))
        scores = page.js("return [...document.querySelectorAll('#scores tr')].map("
                         "r => [...r.cells].map(c => c.textContent))")
        if [r[0] for r in scores] != names or winner not in scores:
            problems.append(f"the end shows the scores {scores}, not {names}'s with {winner}")
        journal_problems, worst = compare_events(page.journal(), want, actions)
        problems += journal_problems
        problems += [f"text not shown whole: {c}" for c in cut_texts(page)]
        # Sound starts with the first key; from then on every beep is heard.
        beeps, tones = page.js("return [BrivazonPage.stats.beeps, BrivazonPage.stats.tones]")
        if not 0 < beeps == tones:
            problems.append(f"{beeps} beeps, {tones} of them played as a tone")
        # The final round's words are announced, each cutting short the one before.
        urgent = page.js("return [BrivazonPage.stats.said.filter(s => s.urgent).length, "
                         "document.getElementById('said-urgent').getAttribute('aria-live')]")
        if urgent[0] < 2 or urgent[1] != "assertive":
            problems.append(f"the final round's words are not announced urgently: {urgent}")
        problems += [f"console: {e}" for e in page.errors() if "favicon" not in e]
        print(f"whole game ({name}): {len(page.journal())} events, times within "
              f"{worst:.0f} ms of the transcript's")
    except AssertionError as failure:
        page.shot(out, "game-failure")
        (out / "game-journal.json").write_text(json.dumps(page.journal(), indent=0))
        problems.append(f"{failure}; the page's last events: "
                        + "; ".join(e["what"] for e in page.journal()[-6:]))
    finally:
        page.close()
    return problems
