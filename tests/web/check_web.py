#!/usr/bin/python3

# SPDX-FileCopyrightText: 2026 The Brivazon developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""The game's page in a real browser: headless Chromium, driven with real key events.

  check_web.py --site build/web/site --out build/web/check             the checks
  check_web.py --site build/web/site --out build/web/check --figures   the page's figures

The whole-game check replays a scenario of tests/data on the page against the page's own
clock: its random draws are fixed through a hook that only this test sets before the page
loads, its keys are real key events, its waits are real time. What the page did (phases,
message boxes, beeps, the end) must be what the scenario's transcript says, in the same
order, at nearly the same times; its `dump` is checked against the page's elements (texts,
visibility, colours, places); a stray key pressed before every OK must be lost; every beep
must play a tone; no text may ever be cut off; the end must show the final scores. The other
checks end fresh games with Escape in several phases (one name typed with a dead key; three
long names, each of which must stay in its seat's share of the scene), enter and leave full
screen (Escape there leaving it only), read the page as a screen reader does, hide the page
behind another tab, show it on a phone and at 800x600 (the whole scene on screen, the
full-screen button off it), and install it, load it slowly and play it with the server
stopped. engines.py shows the first screen in Firefox ESR and WebKit too. Screenshots go to
--out.

Debian's Python modules (selenium) import only under /usr/bin/python3.
"""
import argparse
import functools
import http.server
import json
import pathlib
import re
import shutil
import subprocess
import sys
import tempfile
import threading
import time

import engines
from selenium import webdriver
from selenium.webdriver.chrome.service import Service

ROOT = pathlib.Path(__file__).resolve().parents[2]
NAMED = {
    "ENTER": {"key": "Enter", "code": "Enter", "windowsVirtualKeyCode": 13, "text": "\r"},
    "ESC": {"key": "Escape", "code": "Escape", "windowsVirtualKeyCode": 27},
    "BACKSPACE": {"key": "Backspace", "code": "Backspace", "windowsVirtualKeyCode": 8},
    "SPACE": {"key": " ", "code": "Space", "windowsVirtualKeyCode": 32, "text": " "},
}
# A key whose lateness moves the rest of the scenario along with it (the first key of a page
# may take this long); smaller delays are left alone, so that keys stay in step with the
# game's own timers.
LATE_MS = 50


def key_of(ch):
    """A character as a US keyboard types it; others (accented letters) as their text."""
    if ch == " ":
        return NAMED["SPACE"]
    if ch.isascii() and ch.isalpha():
        return {"key": ch, "code": "Key" + ch.upper(), "text": ch,
                "windowsVirtualKeyCode": ord(ch.upper()), "modifiers": 8 if ch.isupper() else 0}
    if ch.isascii() and ch.isdigit():
        return {"key": ch, "code": "Digit" + ch, "text": ch, "windowsVirtualKeyCode": ord(ch)}
    return {"key": ch, "text": ch}
# Fingers that land together at the instant of a flash land this much after it on the page, so
# that the game's clock, which a late key leaves behind the scenario's, has shown the flash.
FINGERS_AFTER_MS = 40
# How far the page's times may stray from the transcript's (a key lands a few ms late).
TIME_SLACK_MS = 150
VERBOSE = False
# How many of the last keys an event's time may be counted from.
RECENT_KEYS = 40


# Set in the page before it loads, for the checks only: the texts of the window in front that
# the page does not show whole (a label's words outside its label or off the scene, a disabled
# box's phrase past its box), measured by the browser's own layout of the text, not the way
# the page chose its size; and a watch that looks after every change of the page and keeps
# each text it ever found cut while its element stood still (a card sliding in from the edge
# is read once it stops).
CUT_WATCH = r"""
globalThis.__brivazonCutTexts = function (stillOnly) {
  const scene = document.getElementById('scene').getBoundingClientRect();
  const slack = scene.width / 640;
  const form = [...document.querySelectorAll('.form')].find(f => !f.hidden);
  const cut = [];
  globalThis.__brivazonMoved = false;
  for (const node of form ? form.children : []) {
    if (node.style.display === 'none') continue;
    const place = node.style.left + ',' + node.style.top;
    const still = node.__place === place;
    node.__place = place;
    if (!still) globalThis.__brivazonMoved = true;
    if (stillOnly && !still) continue;
    const box = node.getBoundingClientRect();
    if (box.left < scene.left || box.left >= scene.right || box.top >= scene.bottom) continue;
    if (node.tagName === 'INPUT') {
      if (node.disabled && node.scrollWidth > node.clientWidth + 1)
        cut.push(`${node.dataset.name}: ${JSON.stringify(node.value)}`);
      continue;
    }
    if (!node.textContent) continue;
    // A name too long for its seat even at the least size ends in an ellipsis, on purpose.
    if (/^lblName\d0$/.test(node.dataset.name) && node.style.fontSize === '12px' &&
        node.style.textOverflow === 'ellipsis') continue;
    // Word by word: the blank where a line wraps may hang past the edge unseen.
    const right = Math.min(box.right, scene.right);
    const bottom = Math.min(box.bottom, scene.bottom);
    const words = [];
    for (const m of node.textContent.matchAll(/\S+/g)) {
      const range = document.createRange();
      range.setStart(node.firstChild, m.index);
      range.setEnd(node.firstChild, m.index + m[0].length);
      // A word lies on one line: its widest box (WebKit adds an empty one where the blank
      // before it wrapped, at the end of the line above).
      const boxes = [...range.getClientRects()];
      words.push(boxes.length ? boxes.reduce((a, b) => b.width > a.width ? b : a)
                              : range.getBoundingClientRect());
    }
    const lines = new Set(words.map(r => Math.round(r.top))).size;
    if (words.some(r => r.left < box.left - slack || r.right > right + slack ||
                        (lines > 1 && r.bottom > bottom + slack)))
      cut.push(`${node.dataset.name}: ${JSON.stringify(node.textContent)}`);
  }
  return cut;
};
globalThis.__brivazonCutSeen = [];
(function () {
  let pending = false;
  function look() {
    pending = false;
    if (!document.getElementById('scene')) return;
    for (const c of __brivazonCutTexts(true))
      if (!__brivazonCutSeen.includes(c)) __brivazonCutSeen.push(c);
    // Once more after things stop moving.
    if (__brivazonMoved) setTimeout(function () {
      if (!pending) { pending = true; requestAnimationFrame(look); }
    }, 120);
  }
  new MutationObserver(function () {
    if (!pending) { pending = true; requestAnimationFrame(look); }
  }).observe(document, { subtree: true, childList: true, characterData: true, attributes: true });
})();
"""


class QuietHandler(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass


def serve(site):
    handler = functools.partial(QuietHandler, directory=str(site))
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return server, f"http://127.0.0.1:{server.server_address[1]}/"


class Page:
    """One fresh Chromium on the page, with the test's hook set before the page loads."""

    def __init__(self, url, hook, width=900, height=700, watch=True):
        self.profile = tempfile.mkdtemp(prefix="brivazon-chromium-")
        options = webdriver.ChromeOptions()
        options.binary_location = "/usr/bin/chromium"
        for arg in ["--headless=new", "--no-sandbox", "--disable-gpu", "--no-first-run",
                    "--disable-background-networking", "--disable-component-update",
                    "--disable-sync", f"--user-data-dir={self.profile}",
                    f"--window-size={width},{height}"]:
            options.add_argument(arg)
        options.set_capability("goog:loggingPrefs", {"browser": "ALL"})
        self.driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
        self.driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {
            "source": "globalThis.__brivazonTest = " + json.dumps(hook) + ";"
                      + (CUT_WATCH if watch else "")})
        self.driver.get(url)
        self.wait_shown()

    def wait_shown(self, what="the first screen"):
        self.wait_for(lambda: self.js("return !!(window.BrivazonPage && "
                                      "BrivazonPage.stats.firstPaint)"), 10, what)

    def one_player(self, name):
        """A game for one player: the count, then the name once its box is up."""
        self.press("1")
        self.settle()
        time.sleep(0.3)
        self.type(name)
        self.press("ENTER")
        self.settle()

    def wait_phase(self, phase, what, timeout=10):
        self.wait_for(lambda: self.js("return BrivazonPage.stats.journal.some("
                                      "e => e.what === arguments[0])", "phase " + phase),
                      timeout, what)

    def js(self, script, *args):
        return self.driver.execute_script(script, *args)

    def now(self):
        return self.js("return BrivazonPage.now()")

    def press(self, key):
        self.dispatch(NAMED.get(key) or key_of(key))

    def type(self, text):
        for ch in text:
            self.dispatch(key_of(ch))

    def tablet(self, width=1024, height=768):
        """The page again on a tablet: a mobile screen, fingers instead of a mouse."""
        cdp = self.driver.execute_cdp_cmd
        cdp("Emulation.setDeviceMetricsOverride", {"width": width, "height": height,
                                                   "deviceScaleFactor": 1, "mobile": True})
        cdp("Emulation.setTouchEmulationEnabled", {"enabled": True, "maxTouchPoints": 5})
        self.driver.refresh()
        self.wait_shown()

    def centre(self, selector):
        return self.js("const r = document.querySelector(arguments[0]).getBoundingClientRect();"
                       "return [r.left + r.width / 2, r.top + r.height / 2];", selector)

    def place_of(self, key):
        """Where on screen a key is chosen now: a count badge, a topic, a choice, or for a
        buzz key the seat's score, inside its zone."""
        phase = self.js("return document.querySelector('[data-form=frmGame] "
                        "[data-name=lblCheckpoint]').textContent")
        name = {"q": "lblQ", "b": "lblB", "p": "lblP"}.get(key) or {
            "PNumber": f"lbl{key}P", "CTopic1": f"lblTopic{key}",
            "Answer": f"lblChoice{key}"}[phase]
        return self.centre(f"[data-form=frmGame] [data-name={name}]")

    def touch(self, places):
        """Fingers landing together, in one touch event, then lifted."""
        points = [{"x": x, "y": y, "id": i} for i, (x, y) in enumerate(places)]
        self.driver.execute_cdp_cmd("Input.dispatchTouchEvent",
                                    {"type": "touchStart", "touchPoints": points})
        self.driver.execute_cdp_cmd("Input.dispatchTouchEvent",
                                    {"type": "touchEnd", "touchPoints": []})

    def click(self, place):
        for kind in ("mousePressed", "mouseReleased"):
            self.driver.execute_cdp_cmd("Input.dispatchMouseEvent", {
                "type": kind, "x": place[0], "y": place[1], "button": "left", "clickCount": 1})

    def compose(self, text):
        """A character made of several keys (a dead key, an input method): the keys go to
        the input method, and only the composed text reaches the box."""
        dead = {"key": "Dead", "code": "BracketLeft", "windowsVirtualKeyCode": 229}
        self.driver.execute_cdp_cmd("Input.dispatchKeyEvent", {"type": "rawKeyDown", **dead})
        self.driver.execute_cdp_cmd("Input.imeSetComposition", {
            "text": "\u00b4", "selectionStart": 1, "selectionEnd": 1})
        self.driver.execute_cdp_cmd("Input.dispatchKeyEvent", {"type": "keyUp", **dead})
        self.driver.execute_cdp_cmd("Input.insertText", {"text": text})

    def dispatch(self, key):
        """One real key, down and up, through the browser's own input pipeline."""
        down = {"type": "keyDown" if key.get("text") else "rawKeyDown", **key}
        self.driver.execute_cdp_cmd("Input.dispatchKeyEvent", down)
        up = {k: v for k, v in key.items() if k != "text"}
        self.driver.execute_cdp_cmd("Input.dispatchKeyEvent", {"type": "keyUp", **up})

    def settle(self, timeout=2.0):
        self.wait_for(lambda: self.js("return BrivazonPage.settled()"), timeout, "the game")

    def dialogs(self):
        return self.js("return BrivazonPage.dialogsOpen()")

    def journal(self):
        return self.js("return BrivazonPage.stats.journal")

    def shot(self, out, name):
        self.driver.save_screenshot(str(out / f"{name}.png"))

    def wait_for(self, condition, timeout, what):
        end = time.monotonic() + timeout
        while time.monotonic() < end:
            if condition():
                return
            time.sleep(0.01)
        raise AssertionError(f"timed out waiting for {what}")

    def errors(self):
        return [e["message"] for e in self.driver.get_log("browser") if e["level"] == "SEVERE"]

    def close(self):
        self.driver.quit()
        shutil.rmtree(self.profile, ignore_errors=True)


def parse_scenario(path):
    """The draws queued before the game starts, and the commands (later `rnd` lines among
    them, as the test queues their draws when it reaches them)."""
    draws, commands = [], []
    for line in path.read_text(encoding="utf-8").splitlines():
        stripped = line.lstrip(" \t")
        if not stripped or stripped.startswith("#"):
            continue
        name, _, rest = stripped.partition(" ")
        if name == "rnd" and not commands:
            draws += [float(v) for v in rest.split()]
        else:
            commands.append((name, rest))
    return draws, commands


def transcript_events(path):
    """(time, what) of the lines the page journals too: phases, boxes, beeps, the end."""
    events = []
    for line in path.read_text(encoding="utf-8").splitlines():
        m = re.match(r'\[(\d+)\] (phase|msgbox|beep|end)(?: (.*))?$', line)
        if not m:
            continue
        t, kind, rest = int(m.group(1)), m.group(2), m.group(3) or ""
        if kind == "phase":
            what = "phase " + json.loads(rest)
        elif kind == "msgbox":
            title, text = re.match(r'"((?:[^"\\]|\\.)*)" "((?:[^"\\]|\\.)*)"$', rest).groups()
            unescape = lambda s: re.sub(r'\\(.)', r'\1', s)
            what = f"msgbox {unescape(title)}|{unescape(text)}"
        else:
            what = kind
        events.append((t, what))
    return events


def dump_lines(path):
    """The dump's element lines of the game window, by element name."""
    rows = {}
    for line in path.read_text(encoding="utf-8").splitlines():
        m = re.match(r'\[\d+\] frmGame\.(\w+) (caption|text)="((?:[^"\\]|\\.)*)" (.*)$', line)
        if m:
            fields = dict(f.split("=", 1) for f in m.group(4).split())
            fields["text"] = re.sub(r'\\(.)', r'\1', m.group(3))
            rows[m.group(1)] = fields
    return rows


def check_dump(page, want):
    """The page's game window against a dump: texts, visibility, colours, places."""
    got = page.js("""
      const form = document.querySelector('.form[data-form="frmGame"]');
      const rows = {};
      for (const node of form.children) {
        const s = getComputedStyle(node);
        rows[node.dataset.name] = {
          text: node.tagName === 'INPUT' ? node.value : node.textContent,
          visible: node.style.display === 'none' ? '0' : '1',
          back: s.backgroundColor, auto: node.classList.contains('auto'),
          left: node.style.left, top: node.style.top, width: node.style.width,
          height: node.style.height};
      }
      return rows;""")
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
            px = float(w[field]) / 15
            if abs(float(g[field].rstrip("px") or 0) - px) > 0.01:
                problems.append(f"{name}: {field} {g[field]}, want {px}px")
    return problems


def layout(page):
    """Where the scene and the full-screen button stand, and what of the page is on screen
    (the visual viewport, in the page's coordinates)."""
    return page.js("""
      const box = id => { const r = document.getElementById(id).getBoundingClientRect();
                          return [r.left, r.top, r.right, r.bottom]; };
      const v = visualViewport;
      return {scene: box('scene'), button: box('fullscreen'), page: [innerWidth, innerHeight],
              view: [v.offsetLeft, v.offsetTop, v.offsetLeft + v.width, v.offsetTop + v.height],
              full: !!document.fullscreenElement, finger: parseFloat(getComputedStyle(
                document.getElementById('scene')).getPropertyValue('--finger')) *
                document.getElementById('scene').getBoundingClientRect().width / 640,
              keys: BrivazonPage.stats.journal.filter(e => e.what.startsWith('key ')).length};""")


def placement_problems(s, how):
    """The scene whole on screen, as large as it can be while nothing of it is under the
    full-screen button; the button on screen too."""
    (l, t, r, b), (vl, vt, vr, vb), (bl, bt, br, bb) = s["scene"], s["view"], s["button"]
    problems = []
    if min(l, bl) < vl - 1 or min(t, bt) < vt - 1 or max(r, br) > vr + 1 or max(b, bb) > vb + 1:
        problems.append(f"{how}: the scene or the button is not all on screen: {s}")
    if min(br - bl, bb - bt) < s["finger"] - 0.5:
        problems.append(f"{how}: the full-screen button is smaller than a finger: {s}")
    if bl < r and br > l and bt < b and bb > t:
        problems.append(f"{how}: the full-screen button covers the scene: {s}")
    if (r - l) / 640 < 0.9 * min((vr - vl) / 640, (vb - vt) / 480):
        problems.append(f"{how}: the scene is far smaller than the screen: {s}")
    return problems


def cut_texts(page):
    """The texts the page has not shown whole so far, and those of the window in front now."""
    return page.js("return [...new Set(__brivazonCutSeen.concat(__brivazonCutTexts()))]")


def names_beyond_seats(page):
    """The players' names shown beyond their seats: each seat in play, left to right, has its
    share of the scene (a third with three, a half with two, all of it with one), and its name
    tag, colour and text, stays within it."""
    return page.js(r"""
      const scene = document.getElementById('scene').getBoundingClientRect();
      const scale = scene.width / 640;
      const tags = ['lblName10', 'lblName20', 'lblName30']
        .map(n => document.querySelector(`[data-form=frmGame] [data-name=${n}]`))
        .filter(t => t.getClientRects().length && t.textContent);
      return tags.filter((t, k) => {
        const r = t.getBoundingClientRect();
        const left = (r.left - scene.left) / scale;
        const right = Math.min(640, (r.right - scene.left) / scale);
        return left < 640 * k / tags.length - 0.5 || right > 640 * (k + 1) / tags.length + 0.5;
      }).map(t => `${t.dataset.name}: ${JSON.stringify(t.textContent)}`);""")


def command_times(runner, scenario):
    """The scenario's time of each command, as the runner plays it: a `dump` put before each
    command prints its time."""
    lines, marked = scenario.read_text(encoding="utf-8").splitlines(), []
    for line in lines:
        if line.lstrip(" \t").split(" ")[0] in ("key", "type", "ok", "dump"):
            marked.append("dump")
        marked.append(line)
    run = subprocess.run(["node", str(runner)], input="\n".join(marked) + "\n",
                         capture_output=True, text=True, check=True)
    times = []
    for line in run.stdout.splitlines():
        m = re.match(r"\[(\d+)\] frmGame visible=", line)
        if m:
            times.append(int(m.group(1)))
    # Each marked dump, and the scenario's own dumps, print the game window once.
    return times


def replay(page, commands, times, out, stray_key, actions, want, touch=False, shots="game"):
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
        if VERBOSE:
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


def whole_game(url, out, runner, touch=None):
    # By touch (on a tablet of that width and height), buzzes at the same instant are fingers
    # in one event: the game of the runner's own scenario, which the keys of a page cannot play.
    scenario = ROOT / "tests" / ("data/whole_game_2p.scn" if touch else "web/browser_game.scn")
    name = "game" if not touch else "tablet" if touch[0] > touch[1] else "tablet-upright"
    expected = out / f"{scenario.stem}.expected"
    expected.write_text(subprocess.run(["node", str(runner)], stdin=scenario.open("rb"),
                                       capture_output=True, check=True).stdout.decode("utf-8"),
                        encoding="utf-8")
    draws, commands = parse_scenario(scenario)
    page = Page(url, {"draws": draws, "seed": 1})
    problems = []
    try:
        if touch:
            page.tablet(*touch)
            problems += touch_style_problems(page)
        page.shot(out, f"{name}-00-start")
        actions = []
        want = transcript_events(expected)
        steps = replay(page, commands, command_times(runner, scenario), out, "q", actions, want,
                       touch, name)
        for step in steps:
            if step == "dump":
                page.shot(out, f"{name}-dump")
                # By touch the dump falls at the instant of two fingers, which the page can
                # only look at a few ms later, once the bank's 1 ms tick shows the next word.
                if not touch:
                    problems += check_dump(page, dump_lines(expected))
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


def page_check(what, draws):
    """A check on one fresh page, called as check(url, out): it returns its problems, a failed
    wait among them."""
    def wrap(check):
        @functools.wraps(check)
        def run(url, out):
            problems = []
            page = Page(url, {"draws": draws, "seed": 1})
            try:
                check(page, out, problems)
            except AssertionError as failure:
                problems.append(f"{what}: {failure}")
            finally:
                page.close()
            return problems
        return run
    return wrap


@page_check("mouse", [0.1, 0.5, 0.9, 0.3, 0.7])
def mouse_opening(page, out, problems):
    """A game opened by the mouse alone but for the name: the count, a topic, a buzz in the
    seat's zone, an answer and its OK are clicks; a click elsewhere gives the name box back
    the keyboard."""
    def click(selector, phase):
        page.click(page.centre(selector))
        page.wait_phase(phase, f"the phase {phase} after a click on {selector}")

    click("[data-name=lbl1P]", "Name")
    page.wait_for(lambda: page.js("return document.activeElement.tagName === 'INPUT'"), 2,
                  "the name box")
    page.js("document.activeElement.blur()")
    page.click(page.centre("#scene"))
    if not page.js("return document.activeElement.tagName === 'INPUT'"):
        problems.append("mouse: a click did not give the name box the keyboard again")
    page.type("Ana")
    page.press("ENTER")
    page.wait_phase("CTopic1", "the topics")
    for name, phase in [("lbl1", "Question"), ("lblB", "Answer"), ("lblChoice1", "Answer")]:
        click(f"[data-form=frmGame] [data-name={name}]", phase)
    page.wait_for(lambda: page.dialogs() > 0, 2, "the verdict after a click on a choice")
    page.shot(out, "mouse-verdict")
    while page.dialogs():
        page.click(page.centre(".dialog:not([hidden]) button"))
        page.settle()
    page.wait_phase("CTopic", "the next topic after the verdict's OK clicked")
    print("mouse: the count, a topic, a buzz in the zone, an answer and its OK by clicks")


@page_check("full screen", [0.1, 0.5, 0.9])
def full_screen(page, out, problems):
    """Alt+Enter and the button enter and leave the browser's full screen; the scene fills it
    but for the button's corner; the game hears neither, and keys still reach it there. In full
    screen, Escape leaves it and the game goes on."""
    alt_enter = {"key": "Enter", "code": "Enter", "windowsVirtualKeyCode": 13, "modifiers": 1}
    state = functools.partial(layout, page)

    def fills(s, how):
        problems.extend(placement_problems(s, how))

    page.dispatch(alt_enter)
    page.wait_for(lambda: state()["full"], 2, "full screen after Alt+Enter")
    fills(state(), "full screen")
    page.shot(out, "full-screen")
    page.dispatch(alt_enter)
    page.wait_for(lambda: not state()["full"], 2, "leaving full screen after Alt+Enter")
    fills(state(), "after full screen")
    page.driver.find_element("id", "fullscreen").click()
    page.wait_for(lambda: state()["full"], 2, "full screen after the button")
    if state()["keys"]:
        problems.append("the game heard Alt+Enter")
    page.press("1")
    page.settle()
    page.wait_for(lambda: page.js("return document.activeElement.tagName === 'INPUT'"), 2,
                  "the name box, with the keyboard, after the button")
    page.press("ESC")
    page.wait_for(lambda: not state()["full"], 2, "leaving full screen after Escape")
    page.type("Zoé")
    page.press("ENTER")
    page.wait_phase("CTopic1", "the game to go on to the topics after Escape left full screen")
    print("full screen: Alt+Enter and the button enter and leave it, Escape leaves it; the game "
          "plays on")


@page_check("small screens", [0.1, 0.5, 0.9])
def small_screens(page, out, problems):
    """A phone and a tablet, upright and on their side, show the whole scene on screen (their
    page does not widen past the screen); there and in a window as wide as the scene, the
    full-screen button, a finger's size, stays off it."""
    for width, height, mobile in [(390, 844, True), (844, 390, True), (800, 600, False),
                                  (1024, 768, True), (768, 1024, True)]:
        page.driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
            "width": width, "height": height, "deviceScaleFactor": 3 if mobile else 1,
            "mobile": mobile})
        page.driver.refresh()
        page.wait_shown()
        s = layout(page)
        how = f"{width}x{height}{' mobile' if mobile else ''}"
        problems.extend(placement_problems(s, how))
        if s["page"] != [width, height]:
            problems.append(f"{how}: the page is {s['page']}, wider or taller than the screen")
        page.shot(out, f"screen-{width}x{height}")
    print("small screens: the whole scene on a phone and a tablet both ways, the full-screen "
          "button a finger's size and off it")


@page_check("screen reader", [0.1, 0.5, 0.9, 0.3, 0.7])
def screen_reader(page, out, problems):
    """What a screen reader gets from the page, read from Chromium's accessibility tree: a
    French page titled after the screen showing, the screen's texts in the game's order and
    nothing off screen, the name box named by its prompt, each message as a modal dialog named
    by its title with its text, the scores named by their players, and the game's
    announcements (the topics with their keys, the question with its amount and choices) in a
    live region."""

    def tree():
        nodes = page.driver.execute_cdp_cmd("Accessibility.getFullAXTree", {})["nodes"]
        props = {n["nodeId"]: {p["name"]: p["value"].get("value")
                               for p in n.get("properties", [])} for n in nodes}
        parent = {n["nodeId"]: n.get("parentId") for n in nodes}
        seen = []
        for n in nodes:
            if n.get("ignored"):
                continue
            # A text is announced when an element around it is a live region.
            live, up = None, n["nodeId"]
            while up is not None and not live:
                live, up = props.get(up, {}).get("live"), parent.get(up)
            seen.append({"role": n.get("role", {}).get("value"),
                         "name": n.get("name", {}).get("value", ""),
                         "description": n.get("description", {}).get("value", ""),
                         "live": live, "modal": props[n["nodeId"]].get("modal")})
        return seen

    def expect(what, found):
        if not found:
            problems.append(f"screen reader: {what}")

    def caption(name):
        return page.js(f"return document.querySelector('[data-form=frmGame] "
                       f"[data-name={name}]').textContent")

    def read():
        """The texts read in the page's order, outside the live regions."""
        return [n["name"] for n in tree() if n["role"] == "StaticText" and not n["live"]]

    def in_order(texts, wanted):
        at = 0
        for w in wanted:
            if w not in texts[at:]:
                return False
            at = texts.index(w, at) + 1
        return True

    def announced(*wanted):
        return [n["name"] for n in tree() if n["live"] == "polite" and n["role"] == "StaticText"
                and all(w in n["name"] for w in wanted)]

    expect("the page is not in French", page.js("return document.documentElement.lang") == "fr")
    expect("the count question is not read",
           "Comment de joueurs est-ce que nous avons ajourd-hui?" in read())
    page.press("1")
    page.settle()
    page.wait_for(lambda: any(n["role"] == "textbox" and n["name"] == "Joueur 1, tapez votre nom"
                              for n in tree()), 2, "the name box named by its prompt")
    expect("the prompts off screen are read",
           not any(t.startswith(("Joueur 2", "Joueur 3")) for t in read()))
    expect("the title does not follow the screen",
           page.js("return document.title").startswith("Noms des joueurs"))
    page.press("ENTER")
    page.settle()
    page.wait_for(lambda: page.dialogs() > 0, 2, "the missing-name message")
    nodes = tree()
    dialog = [n for n in nodes if n["role"] == "alertdialog"]
    expect("the message is not a modal dialog named by its title with its text",
           dialog and dialog[0]["name"] == "Pas de nom!" and dialog[0]["modal"]
           and dialog[0]["description"].startswith("Pas de nom?"))
    expect("the game behind the message is still read",
           not any(n["role"] == "textbox" for n in nodes))
    page.press("ENTER")
    page.settle()
    page.wait_phase("CTopic1", "the topics")
    topics = [f"{k}) {caption(f'lblTopic{k}')}" for k in (1, 2, 3)]
    page.wait_for(lambda: announced(*topics), 2, f"the topics {topics} announced")
    page.shot(out, "screen-reader-topics")
    page.press("1")
    page.wait_for(lambda: page.js("return document.title").startswith("Question"), 10,
                  "the question's title")
    page.settle()
    asked = [caption("lblQuestion"), "Pour " + caption("lblValue")] + \
        [f"{k}) {caption(f'lblChoice{k}')}" for k in (1, 2, 3, 4)]
    page.wait_for(lambda: announced(*asked), 2, f"the question announced: {asked}")
    texts = read()
    expect(f"the question is not read in the game's order {asked}: {texts}",
           in_order(texts, asked))
    player = caption("lblName20")
    expect(f"the score is not named by its player: {texts}",
           f"{player}: {caption('lblB')}" in texts)
    print("screen reader: a French page titled after its screen, its texts in the game's order, "
          "the name box by its prompt, messages as dialogs, topics and the question announced")


@page_check("hidden page", [0.1, 0.5, 0.9, 0.3, 0.7])
def hidden_page(page, out, problems):
    """Another tab in front hides the page: its game pauses (its clock stops, no timer fires,
    no burst of late ticks when it is shown again) and goes on from where it stopped."""
    page.one_player("Zoé")
    # The welcome card slides on a 10 ms timer: hidden in the middle of it.
    time.sleep(0.3)
    game_tab = page.driver.current_window_handle
    before = page.js("return [BrivazonPage.now(), BrivazonPage.stats.timerCallbacks]")
    wall = time.monotonic()
    page.driver.switch_to.new_window("tab")
    time.sleep(3)
    page.driver.switch_to.window(game_tab)
    after = page.js("return [BrivazonPage.now(), BrivazonPage.stats.timerCallbacks]")
    hidden = (time.monotonic() - wall) * 1000
    moved, fired = after[0] - before[0], after[1] - before[1]
    # Between the two readings the page is shown for a moment too (switching tabs takes
    # time): the clock may move by that much, and the 10 ms slide ticks only with it (a
    # browser timer may wake a moment early and be armed again: two callbacks a tick).
    if moved > hidden - 2500 or fired > moved / 5 + 15:
        problems.append(f"hidden page: its clock moved {moved:.0f} ms and {fired} timer "
                        f"callbacks ran in {hidden:.0f} ms, 3000 of them hidden")
    page.wait_phase("CTopic1", "the game to go on to the topics after the page is shown again")
    print(f"hidden page: its clock moved {moved:.0f} ms in {hidden:.0f} ms, 3000 of them "
          f"hidden; the game went on")


def offline(site, out):
    """On a server of its own: Chromium finds nothing against installing the page; loading at
    400 kbit/s it says "Chargement…" with its progress, and its advice on files only when opened
    from a file; reloaded with the server stopped, it plays to the first question."""
    server, url = serve(site)
    page = Page(url, {"draws": [0.1, 0.5, 0.9, 0.3, 0.7, 0.2], "seed": 1})
    problems = []
    loading = ("const l = document.getElementById('loading'); const p = "
               "document.getElementById('progress'); return l && [l.innerText, p && p.value];")
    try:
        page.wait_for(lambda: page.js("return !!navigator.serviceWorker.controller"), 10,
                      "the service worker")
        cdp = page.driver.execute_cdp_cmd
        errors = cdp("Page.getInstallabilityErrors", {})["installabilityErrors"]
        errors += cdp("Page.getAppManifest", {})["errors"]
        problems += [f"offline: not installable: {e}" for e in errors]
        cdp("Network.enable", {})
        cdp("Network.setBypassServiceWorker", {"bypass": True})
        cdp("Network.setCacheDisabled", {"cacheDisabled": True})
        cdp("Network.emulateNetworkConditions", {"offline": False, "latency": 50,
                                                  "downloadThroughput": 50000,
                                                  "uploadThroughput": 50000})
        page.driver.get(url)
        seen = page.js(loading)
        page.wait_for(lambda: (page.js(loading) or [0, 0])[1] > 0, 10, "the progress to move")
        if not seen or seen[0].strip() != "Chargement…" or seen[1] >= 1:
            problems.append(f"offline: the page loading over a slow network says {seen}")
        page.driver.get((site.resolve() / "index.html").as_uri())
        if "ouverte comme un fichier" not in (page.js(loading) or [""])[0]:
            problems.append(f"offline: a page opened from a file says {page.js(loading)}")
        # The installed page's second start, as a player's: no slow network, caches on.
        cdp("Network.emulateNetworkConditions", {"offline": False, "latency": 0,
                                                  "downloadThroughput": -1,
                                                  "uploadThroughput": -1})
        cdp("Network.setCacheDisabled", {"cacheDisabled": False})
        cdp("Network.setBypassServiceWorker", {"bypass": False})
        server.shutdown()
        server.server_close()
        page.driver.get(url)
        page.wait_shown("the first screen with the server stopped")
        paint = page.js("return BrivazonPage.stats.firstPaint")
        page.one_player("Ana")
        page.wait_phase("CTopic1", "the topics")
        page.press("1")
        page.wait_phase("Question", "the first question with the server stopped")
        page.shot(out, "offline-question")
        print(f"offline: installable; loading said {seen[0].strip()!r}; played to the first "
              f"question with the server stopped, its first paint {paint:.0f} ms after the "
              f"reload")
    except AssertionError as failure:
        problems.append(f"offline: {failure}")
    finally:
        page.close()
        server.server_close()
    return problems


def figures(url, site, out):
    size = sum(p.stat().st_size for p in site.rglob("*") if p.is_file())
    print(f"site size: {size / 1024:.0f} KiB ({size} bytes; goal at most 1.5 MB)")
    paints = []
    for _ in range(3):
        page = Page(url, {"draws": [0.1, 0.5, 0.9, 0.3, 0.7, 0.2], "seed": 1}, watch=False)
        try:
            paints.append(page.js("return BrivazonPage.stats.firstPaint"))
            if len(paints) == 3:
                page.one_player("Ana")
                page.wait_phase("CTopic1", "the topic choice")
                time.sleep(0.5)
                calls = page.js("return BrivazonPage.stats.timerCallbacks")
                time.sleep(5)
                idle = (page.js("return BrivazonPage.stats.timerCallbacks") - calls) / 5
                print(f"idle at the topic choice: {idle:.1f} timer callbacks a second")
                page.press("1")
                page.wait_phase("Question", "the question")
                page.wait_for(lambda: page.dialogs() > 0, 20, "the reveal")
                journal = page.journal()
                asked = next(e["t"] for e in journal if e["what"] == "phase Question")
                shown = next(e["t"] for e in journal if e["what"].startswith("msgbox"))
                page.shot(out, "figures-reveal")
                print(f"countdown: the reveal came {shown - asked:.1f} ms after the question "
                      f"(goal 15000 +/- 20)")
        finally:
            page.close()
    print("first paint: " + ", ".join(f"{p:.0f} ms" for p in paints) +
          " after navigation (goal within 1000 ms)")
    offline(site, out)  # its first paint is the installed page's second start, from its cache


def main():
    parser = argparse.ArgumentParser(description=__doc__,
                                     formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--site", required=True, type=pathlib.Path)
    parser.add_argument("--out", required=True, type=pathlib.Path)
    parser.add_argument("--runner", type=pathlib.Path, help="the runner built for Node.js",
                        default=ROOT / "build" / "web" / "brivazon-sim.js")
    parser.add_argument("--figures", action="store_true")
    parser.add_argument("--only", choices=["game", "touch", "endings", "engines"],
                        help="the whole game by keys or by touch alone, the other engines, "
                        "or all the other checks")
    parser.add_argument("--verbose", action="store_true", help="print each command as it plays")
    args = parser.parse_args()
    global VERBOSE
    VERBOSE = args.verbose
    args.out.mkdir(parents=True, exist_ok=True)
    server, url = serve(args.site)
    started = time.monotonic()
    try:
        if args.figures:
            figures(url, args.site, args.out)
            return 0
        problems = []
        if args.only in (None, "endings"):
            problems += endings(url, args.out)
            problems += full_screen(url, args.out)
            problems += screen_reader(url, args.out)
            problems += hidden_page(url, args.out)
            problems += small_screens(url, args.out)
            problems += offline(args.site, args.out)
            problems += mouse_opening(url, args.out)
        if args.only in (None, "engines"):
            problems += engines.other_engines(url, args.out, Page, CUT_WATCH)
        if args.only in (None, "game"):
            problems += whole_game(url, args.out, args.runner)
        if args.only in (None, "touch"):
            # A tablet held on its side, then upright.
            problems += whole_game(url, args.out, args.runner, touch=(1024, 768))
            problems += whole_game(url, args.out, args.runner, touch=(768, 1024))
    finally:
        server.shutdown()
    for p in problems:
        print("FAIL: " + p)
    print(f"browser checks: {'failed' if problems else 'passed'} in "
          f"{time.monotonic() - started:.0f} s; screenshots in {args.out}")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
