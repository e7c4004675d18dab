# SPDX-FileCopyrightText: 2026 The Brivazon developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The real-window checks: the game's figures and one whole game under Xvfb, ending it by hand in
# every phase, the proof that it writes no file and opens no network socket, a game started on a
# French keyboard, the game read through the accessibility bus and heard through the screen
# reader Orca, all under a window manager as on a desktop; and the game on Wayland (a Weston
# compositor inside Xvfb). Each installs what it needs (Xvfb, openbox, xdotool, python3-xlib,
# strace, the keyboard tools, the accessibility bus, Orca and speech-dispatcher, Weston, Qt's
# Wayland platform) and builds the game first.

WINDOW_OUT ?= $(BUILD)/window-check
WINDOW_GAME ?= $(BUILD)/app/brivazon
# The runner built with the game: the checks read the window's places and colours from its
# screen inventory (brivazon-sim --inventory).
WINDOW_SIM ?= $(BUILD)/brivazon-sim
# The checks are one package, tools/window, each check one of its modules.
WINDOW_PY := PYTHONPATH=tools WINDOW_SIM=$(WINDOW_SIM) /usr/bin/python3
WINDOW_TOOLS := tools/window
WINDOW_DEPS := xvfb openbox xdotool python3-xlib strace weston qt6-wayland x11-xkb-utils \
  at-spi2-core python3-pyatspi dbus orca speech-dispatcher

.PHONY: check-window check-window-figures check-window-ending check-window-files \
	check-window-wayland check-window-azerty check-window-atspi check-window-orca check-window-tools \
	window-deps

window-deps:
	@tools/install-deps.sh $(WINDOW_DEPS)

# The plain-polling window the idle figures are compared with, built by CMake with the game.
POLL_BASELINE := $(BUILD)/tools/window/poll-baseline

# The tests of the checking tools themselves (no display needed).
check-window-tools: window-deps
	$(WINDOW_PY) -m unittest discover -s $(WINDOW_TOOLS) -t tools -p 'test_*.py'

check-window-figures: build window-deps
	$(WINDOW_PY) -m window.figures --game $(WINDOW_GAME) \
	  --poll-baseline $(POLL_BASELINE) --out $(WINDOW_OUT)

check-window-ending: build window-deps
	$(WINDOW_PY) -m window.ending --game $(WINDOW_GAME)

check-window-files: build window-deps
	$(WINDOW_PY) -m window.files --game $(WINDOW_GAME)

check-window-wayland: build window-deps
	$(WINDOW_PY) -m window.wayland --game $(WINDOW_GAME) --out $(WINDOW_OUT)

check-window-azerty: build window-deps
	$(WINDOW_PY) -m window.azerty --game $(WINDOW_GAME)

check-window-atspi: build window-deps
	$(WINDOW_PY) -m window.atspi --game $(WINDOW_GAME)

check-window-orca: build window-deps
	$(WINDOW_PY) -m window.orca --game $(WINDOW_GAME) --out $(WINDOW_OUT)/orca

# All of the above; every part runs even when an earlier one failed.
check-window: build window-deps
	@status=0; \
	$(MAKE) --no-print-directory check-window-tools || status=1; \
	$(MAKE) --no-print-directory check-window-figures || status=1; \
	$(MAKE) --no-print-directory check-window-ending || status=1; \
	$(MAKE) --no-print-directory check-window-files || status=1; \
	$(MAKE) --no-print-directory check-window-wayland || status=1; \
	$(MAKE) --no-print-directory check-window-azerty || status=1; \
	$(MAKE) --no-print-directory check-window-atspi || status=1; \
	$(MAKE) --no-print-directory check-window-orca || status=1; \
	exit $$status
