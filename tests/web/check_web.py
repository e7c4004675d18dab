#!/usr/bin/python3

# SPDX-FileCopyrightText: 2026 The Brivazon developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""The game's page in a real browser: headless Chromium, driven with real key events.

  python3 -m tests.web.check_web --site build/web/site --out build/web/check   the checks
  python3 -m tests.web.check_web ... --figures                                 the figures

(or tests/web/check_web.py, run as a file).

The whole-game check (whole_game) replays a scenario of tests/data on the page against the
page's own clock, by keys and by touch, and holds the page to the scenario's transcript. The
other checks end fresh games with Escape in several phases (endings), enter and leave full
screen and show the page on a phone and at 800x600 (screens), read the page as a screen reader
does (screen_reader), hide the page behind another tab (hidden_page), open a game by the mouse
(mouse), play with virtual gamepads (gamepads), install the page, load it slowly and play it
with the server stopped (offline), and show the first screen in Firefox ESR and WebKit
(engines). Screenshots go to --out.

Debian's Python modules (selenium) import only under /usr/bin/python3.
"""
import argparse
import pathlib
import sys
import time

if not __package__:
    # Run as a file: the package is found from the project's top.
    sys.path.insert(0, str(pathlib.Path(__file__).resolve().parents[2]))
    __package__ = "tests.web"

from . import ROOT  # noqa: E402 (after the package is found)
from .endings import endings  # noqa: E402
from .engines import other_engines  # noqa: E402
from .figures import figures  # noqa: E402
from .gamepads import gamepads  # noqa: E402
from .hidden_page import hidden_page  # noqa: E402
from .mouse import mouse_opening  # noqa: E402
from .offline import offline  # noqa: E402
from .screen_reader import screen_reader  # noqa: E402
from .screens import full_screen, small_screens  # noqa: E402
from .server import serve  # noqa: E402
from .whole_game import whole_game  # noqa: E402


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
    runner = ["node", str(args.runner)]
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
            problems += gamepads(url, args.out)
        if args.only in (None, "engines"):
            problems += other_engines(url, args.out)
        if args.only in (None, "game"):
            problems += whole_game(url, args.out, runner, verbose=args.verbose)
        if args.only in (None, "touch"):
            # A tablet held on its side, then upright.
            for tablet in [(1024, 768), (768, 1024)]:
                problems += whole_game(url, args.out, runner, touch=tablet, verbose=args.verbose)
    finally:
        server.shutdown()
    for p in problems:
        print("FAIL: " + p)
    print(f"browser checks: {'failed' if problems else 'passed'} in "
          f"{time.monotonic() - started:.0f} s; screenshots in {args.out}")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
