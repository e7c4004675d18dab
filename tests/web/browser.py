# SPDX-FileCopyrightText: 2026 The Brivazon developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Headless Chromium on the page, driven with real input through the browser's own pipeline
(keys, a dead key, fingers, the mouse), and what the checks read of the page.

Debian's Python modules (selenium) import only under /usr/bin/python3.
"""
import functools
import json
import pathlib
import shutil
import tempfile
import time

from selenium import webdriver
from selenium.webdriver.chrome.service import Service


NAMED = {
    "ENTER": {"key": "Enter", "code": "Enter", "windowsVirtualKeyCode": 13, "text": "\r"},
    "ESC": {"key": "Escape", "code": "Escape", "windowsVirtualKeyCode": 27},
    "BACKSPACE": {"key": "Backspace", "code": "Backspace", "windowsVirtualKeyCode": 8},
    "SPACE": {"key": " ", "code": "Space", "windowsVirtualKeyCode": 32, "text": " "},
}


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


# Set in the page before it loads: the hook of the checks, then page.js.
PAGE_JS = (pathlib.Path(__file__).parent / "page.js").read_text(encoding="utf-8")


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
            "source": "globalThis.__brivazonTest = " + json.dumps(hook) + ";" + PAGE_JS
                      + ("__brivazonWatchCuts();" if watch else "")})
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


def cut_texts(page):
    """The texts the page has not shown whole so far, and those of the window in front now."""
    return page.js("return [...new Set(__brivazonCutSeen.concat(__brivazonCutTexts()))]")


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
