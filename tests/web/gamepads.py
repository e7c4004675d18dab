# SPDX-FileCopyrightText: 2026 The Brivazon developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Gamepads on the page, virtual ones standing in for the browser's (a stub of
navigator.getGamepads set before the page loads): a pad plugged in before the game counts the
players; one plugged in later chooses the topic, buzzes for the second seat, answers and closes
the verdict with Start; Start is lost in the name box, other buttons under the verdict; once
the pads are unplugged the page looks at them no more."""
import time

from .browser import page_check

BOTTOM, LEFT, TOP, SHOULDER, START = 0, 2, 3, 5, 9  # the standard mapping's buttons

STUB = r"""
(function () {
  const pads = [null, null, null, null];
  globalThis.__brivazonPads = { looks: 0,
    plug(i, on) {
      pads[i] = on ? { index: i, connected: true, mapping: 'standard', axes: [0, 0, 0, 0],
                       buttons: Array.from({length: 17}, () => ({pressed: false})) } : null;
      window.dispatchEvent(new Event(on ? 'gamepadconnected' : 'gamepaddisconnected'));
    },
    set(i, button, down) { pads[i].buttons[button].pressed = down; },
  };
  Object.defineProperty(Navigator.prototype, 'getGamepads', { configurable: true,
    value() { __brivazonPads.looks++; return pads.slice(); } });
  __brivazonPads.plug(0, true);
})();
"""


# The first topic is an ordinary question.
@page_check("gamepads", [0.1, 0.5, 0.9, 0.3, 0.7])
def gamepads(page, out, problems):
    page.driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {"source": STUB})
    page.driver.refresh()
    page.wait_shown()
    pads = "__brivazonPads."

    def press(pad, button):
        # Held over several frames and let go, as a thumb does: the page looks once a frame.
        for down in (True, False):
            page.js(pads + "set(...arguments)", pad, button, down)
            time.sleep(0.15)
        page.settle()

    press(0, LEFT)
    page.wait_phase("Name", "the count of two from the pad plugged in before the game")
    for button in (START, TOP):
        press(0, button)
    if page.dialogs() or page.js("return document.activeElement.value") != "":
        problems.append("gamepads: a pad's press reached the name box")
    page.js(pads + "plug(1, true)")
    for name in ("Ana", "Bob"):
        page.type(name)
        page.press("ENTER")
        page.settle()
        time.sleep(0.3)
    for button, phase in [(TOP, "CTopic1"), (SHOULDER, "Question")]:
        page.wait_phase(phase, f"the phase {phase} before a pad's button {button}")
        press(1, button)
    page.wait_phase("Answer", "the answer after the second pad's shoulder")
    player = page.js("return document.querySelector('[data-name=lblAPlayer]').textContent")
    if "Bob" not in player:
        problems.append(f"gamepads: the second pad buzzed for {player!r}, not the second seat")
    press(1, BOTTOM)
    page.wait_for(lambda: page.dialogs() > 0, 2, "the verdict after the pad's answer")
    page.shot(out, "gamepad-verdict")
    press(1, TOP)
    press(1, SHOULDER)
    if not page.dialogs():
        problems.append("gamepads: a button other than Start closed the verdict")
    for _ in range(3):
        if page.dialogs():
            press(1, START)
    if page.dialogs():
        problems.append("gamepads: Start did not close the verdict")
    page.js(pads + "plug(0, false);" + pads + "plug(1, false)")
    time.sleep(0.2)
    looks = page.js("return " + pads + "looks")
    time.sleep(0.5)
    if page.js("return " + pads + "looks") != looks:
        problems.append("gamepads: the page still looks at the pads once they are unplugged")
    print("gamepads: the count, a topic, a buzz for the pad's seat, an answer and the verdict's "
          "Start by two pads; presses lost in the name box and under the verdict")
