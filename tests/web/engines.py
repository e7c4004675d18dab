# SPDX-FileCopyrightText: 2026 The Brivazon developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""The page in the other engines players use: Firefox ESR (firefox.py) and WebKit (webkit.py).

Each shows the first screen as Chromium does and takes a name with accents typed by real keys.
"As Chromium does" is read two ways, each catching what the other cannot: the boxes of the
scene, the full-screen button and every element in view (places, colours, texts) equal
Chromium's within a pixel, which says the page laid itself out alike; and in the pictures each
of these boxes has nearly the mean colour it has in Chromium's, which says it was drawn alike.
A mean colour is what the engines' own anti-aliasing and line breaks barely move (Firefox stays
within 1.4 of 255, WebKit, which breaks the question's line elsewhere, within 2.6), while a
badge not drawn moves its box's by 91 and a question's text not drawn by 25. The name typed
must be in the box, then on the name tag of its seat, whole: the check's watch finds no text
cut at any moment.
"""
import json
import time

import cairo

from . import firefox, webkit
from .browser import PAGE_JS, Page


SIZE = (800, 600)
NAME = "Zoé Éloïse"
# How far a box's mean colour in the picture may be from Chromium's, in each channel (of 255).
COLOUR_SLACK = 8
# The boxes of the screen in front: the scene, the full-screen button, each element shown.
BOXES = """(() => {
  const box = n => { const r = n.getBoundingClientRect();
                     return [r.left, r.top, r.right, r.bottom].map(Math.round); };
  const form = [...document.querySelectorAll('.form')].find(f => !f.hidden);
  return [['scene', ...box(document.getElementById('scene'))],
          ['fullscreen', ...box(document.getElementById('fullscreen'))]].concat(
    [...form.children].filter(n => n.getClientRects().length).map(n => [
      n.dataset.name, ...box(n), getComputedStyle(n).backgroundColor,
      n.tagName === 'INPUT' ? n.value : n.textContent]));
})()"""
SHOWN = ("!!(window.BrivazonPage && BrivazonPage.stats.firstPaint) && "
         "document.fonts.status === 'loaded'")


def wait_for(condition, timeout, what):
    end = time.monotonic() + timeout
    while not condition():
        if time.monotonic() > end:
            raise AssertionError(f"timed out waiting for {what}")
        time.sleep(0.05)


def colours(path, boxes):
    """The picture's mean colour (blue, green, red) in each box."""
    image = cairo.ImageSurface.create_from_png(str(path)).map_to_image(None)
    data, stride = bytes(image.get_data()), image.get_stride()
    width, height = image.get_width(), image.get_height()
    means = []
    for _, left, top, right, bottom, *_ in boxes:
        left, right = max(0, left), min(width, right)
        top, bottom = max(0, top), min(height, bottom)
        rows = [data[y * stride + 4 * left:y * stride + 4 * right] for y in range(top, bottom)]
        count = max(1, (right - left) * (bottom - top))
        means.append([sum(sum(row[c::4]) for row in rows) / count for c in range(3)])
    return (width, height), means


def picture_problems(path, reference, boxes):
    """Each box drawn in the colour it has in Chromium's picture: its mean colour, which the
    engines' own anti-aliasing and line breaks move little, a missing colour, element or
    text much."""
    (size, got), (want_size, want) = colours(path, boxes), colours(reference, boxes)
    if size != want_size:
        return [f"{path.name} is {size[0]}x{size[1]}, Chromium's {want_size[0]}x{want_size[1]}"]
    worst, problems = 0, []
    for box, g, w in zip(boxes, got, want):
        off = max(abs(a - b) for a, b in zip(g, w))
        worst = max(worst, off)
        if off > COLOUR_SLACK:
            problems.append(f"{path.name}: {box[0]} is drawn in {[round(c) for c in g[::-1]]} "
                            f"on average, in Chromium {[round(c) for c in w[::-1]]}")
    print(f"  {path.name}: each box's mean colour within {worst:.1f} of Chromium's")
    return problems


def box_problems(got, want):
    if [b[0] for b in got] != [b[0] for b in want]:
        return [f"it shows {[b[0] for b in got]}, Chromium {[b[0] for b in want]}"]
    problems = []
    for g, w in zip(got, want):
        if any(abs(a - b) > 1 for a, b in zip(g[1:5], w[1:5])) or g[5:] != w[5:]:
            problems.append(f"{g[0]} is {g[1:]}, in Chromium {w[1:]}")
    return problems


def name_problems(browser, shot):
    """The name typed with real keys, in its box and then on its seat's tag, shown whole."""
    problems = []
    browser.keys("1")
    wait_for(lambda: browser.js("document.activeElement.tagName") == "INPUT", 5, "the name box")
    browser.keys(NAME)
    try:
        wait_for(lambda: browser.js("document.activeElement.value") == NAME, 5, "the name typed")
    except AssertionError:
        problems.append(f"the name box holds {browser.js('document.activeElement.value')!r}, "
                        f"typed {NAME!r}")
    if browser.js("document.activeElement.scrollWidth > document.activeElement.clientWidth"):
        problems.append("the name box does not show the whole name")
    browser.shot(shot)
    browser.keys(browser.ENTER)
    wait_for(lambda: browser.js("BrivazonPage.stats.journal.some(e => e.what === "
                                "'phase CTopic1')"), 10, "the topics after the name")
    tags = browser.js("[...document.querySelectorAll('[data-form=frmGame] .label')].filter(n => "
                      "/^lblName\\d0$/.test(n.dataset.name) && n.getClientRects().length)"
                      ".map(n => n.textContent)")
    if tags != [NAME]:
        problems.append(f"the name tags show {tags}, typed {NAME!r}")
    problems += [f"text not shown whole: {c}" for c in browser.js(
        "[...new Set(__brivazonCutSeen.concat(__brivazonCutTexts()))]")]
    return problems


def engine_problems(engine, url, preload, out, reference, boxes):
    started = time.monotonic()
    slug = engine.name.lower()
    problems = []
    browser = None
    try:
        browser = engine(url, preload, *SIZE)
        wait_for(lambda: browser.js(SHOWN), 20, "the first screen")
        browser.shot(out / f"{slug}-start.png")
        problems += box_problems(browser.js(BOXES), boxes)
        problems += picture_problems(out / f"{slug}-start.png", reference, boxes)
        problems += name_problems(browser, out / f"{slug}-name.png")
    except AssertionError as failure:
        problems.append(str(failure))
    finally:
        if browser:
            browser.close()
    print(f"{engine.name}: the first screen as in Chromium, {NAME!r} typed and shown whole: "
          f"{'failed' if problems else 'passed'} in {time.monotonic() - started:.1f} s")
    return [f"{engine.name}: {p}" for p in problems]


def other_engines(url, out):
    """Chromium's first screen at 800 x 600, then the same page in each other engine."""
    hook = {"draws": [0.1, 0.5, 0.9], "seed": 1}
    page = Page(url, hook)
    try:
        page.driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
            "width": SIZE[0], "height": SIZE[1], "deviceScaleFactor": 1, "mobile": False})
        page.driver.refresh()
        page.wait_for(lambda: page.js("return " + SHOWN), 10, "Chromium's first screen")
        page.shot(out, "chromium-start")
        boxes = page.js("return " + BOXES)
    finally:
        page.close()
    preload = (f"globalThis.__brivazonTest = {json.dumps(hook)};" + PAGE_JS
               + "__brivazonWatchCuts();")
    problems = []
    for engine in (firefox.Firefox, webkit.WebKit):
        problems += engine_problems(engine, url, preload, out, out / "chromium-start.png",
                                    boxes)
    return problems
