# SPDX-FileCopyrightText: 2026 The Brivazon developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The game as a static web page, built with Debian's Emscripten, and its checks in a real
# browser.
#
#   make web          installs what it needs, builds build/web and writes the site to
#                     build/web/site (index.html, the JavaScript, the WebAssembly, the fonts)
#   make serve-web    serves the site on 127.0.0.1 and prints its address
#   make test-web     the runner built for Node.js replays every scenario byte for byte
#   make check-web    plays whole games in headless Chromium with real keys and fingers, and
#                     shows the first screen in Firefox ESR and WebKitGTK; screenshots in
#                     build/web/check
#   make web-figures  the page's figures: size, first paint, countdown accuracy, idle wake-ups,
#                     the installed page's second start from its cache

WEB_BUILD := build/web
WEB_SITE := $(WEB_BUILD)/site
WEB_PORT ?= 8640
WEB_DEPS := emscripten node-acorn fonttools python3-brotli
# The other engines players use: Firefox ESR, and WebKitGTK driven from Python under Xvfb.
WEB_CHECK_DEPS := chromium chromium-driver python3-selenium firefox-esr gir1.2-webkit2-4.1 \
  python3-gi python3-gi-cairo xvfb xauth xdotool
WEB_PY := /usr/bin/python3
# Emscripten's tools run on the machine's node, which may not be Debian's: they find Debian's
# JavaScript modules (acorn) only here.
export NODE_PATH := /usr/share/nodejs

.PHONY: web web-deps serve-web test-web check-web check-web-deps web-figures

web-deps:
	@tools/install-deps.sh $(WEB_DEPS)

web: web-deps
	cmake --preset web >/dev/null
	cmake --build --preset web -j $(JOBS)
	@echo "The site is in $(WEB_SITE): serve it with 'make serve-web', or copy the folder to any static host."

serve-web:
	@test -f $(WEB_SITE)/index.html || $(MAKE) --no-print-directory web
	@echo "Serving the game at http://127.0.0.1:$(WEB_PORT)/ (Ctrl+C stops)"
	cd $(WEB_SITE) && $(WEB_PY) -m http.server $(WEB_PORT) --bind 127.0.0.1

test-web: web
	ctest --preset web

check-web-deps:
	@tools/install-deps.sh $(WEB_DEPS) $(WEB_CHECK_DEPS)

check-web: web check-web-deps
	$(WEB_PY) -m tests.web.check_web --site $(WEB_SITE) --out $(WEB_BUILD)/check

web-figures: web check-web-deps
	$(WEB_PY) -m tests.web.check_web --site $(WEB_SITE) --out $(WEB_BUILD)/check --figures
