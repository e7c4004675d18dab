# SPDX-FileCopyrightText: 2026 The Brivazon developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""The scene on screens of every size: in and out of the browser's full screen, on a phone both
ways and in a window as wide as the scene, whole on screen, as large as it can be, clear of the
full-screen button."""
import functools

from .browser import page_check


def layout(page):
    """Where the scene and the full-screen button stand, and what of the page is on screen
    (the visual viewport, in the page's coordinates)."""
    return page.js("return __brivazonLayout()")


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
