# SPDX-FileCopyrightText: 2026 The Brivazon developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""The browser checks of the game's page (make check-web, make web-figures), run from the
project's top as `python3 -m tests.web.check_web`; each other module is one concern: the web
server, the browser and its page, the script the page is given, and one module per check. The
scenario runner's transcripts are read by the reader the window checks use (tools/window)."""

import pathlib
import sys

ROOT = pathlib.Path(__file__).resolve().parents[2]
# The scenario runner is read as the window checks read it: tools/window's own reader.
if str(ROOT / "tools") not in sys.path:
    sys.path.append(str(ROOT / "tools"))
