# SPDX-FileCopyrightText: 2026 The Brivazon developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""The page's figures (make web-figures): the site's size, the first paint, the idle wake-ups,
the countdown's accuracy, and the installed page's second start from its cache."""
import time

from .browser import Page
from .offline import offline


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
