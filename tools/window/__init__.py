# SPDX-FileCopyrightText: 2026 The Brivazon developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""The real-window checks of the game, run from tools/ as `python3 -m window.<check>` (figures,
ending, files, wayland, azerty, atspi); the other modules are what they share. Its reader of the
scenario runner (`sim`) serves the browser checks of tests/web too."""
