# SPDX-FileCopyrightText: 2026 The Brivazon developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The game as a desktop product: the Debian packages and the README's pictures.
#
#   make deb           installs the build dependencies debian/control names, builds the source
#                      and binary packages from a copy of the tree in build/deb with
#                      dpkg-buildpackage, checks what the game's package holds and runs lintian
#                      on them all (no error, warning or informational tag may show)
#   make screenshots   plays docs/screenshots/*.shots on the headless game and paints each shot
#                      with the game's own renderer into docs/screenshots/NAME.png
#   make icons         renders the icon's PNG sizes again from its SVG drawing (the desktop's,
#                      and the installed page's, with its maskable one)

DEB_BUILD ?= build/deb
ICON := packaging/icons/org.brivazon.Brivazon
ICON_SIZES := 16 24 32 48 64 128 256 192 512
# The maskable icon of the installed page: the drawing within the middle 62.5 %, on the page's
# black, so that any mask a phone cuts (a circle, a squircle) leaves all of it.
ICON_MASKABLE := -w 320 -h 320 --page-width 512 --page-height 512 --left 96 --top 96 -b '\#000000'

.PHONY: deb deb-deps screenshots icons

# What dpkg-checkbuilddeps finds missing, without version constraints (debhelper-compat is
# debhelper's).
deb-deps:
	@tools/install-deps.sh dpkg-dev debhelper lintian file desktop-file-utils appstream
	@tools/install-deps.sh $$(dpkg-checkbuilddeps 2>&1 | sed -n 's/^.*Unmet build dependencies: //p' | \
	  sed 's/([^)]*)//g; s/debhelper-compat/debhelper/')

# dpkg-buildpackage writes its packages beside the source folder: a copy in build/deb keeps them
# out of the tree, and the copy leaves out the builds and the history.
deb: deb-deps
	rm -rf $(DEB_BUILD)
	mkdir -p $(DEB_BUILD)/brivazon-$$(dpkg-parsechangelog -S Version)
	tar -c --exclude=./build --exclude=./.git --exclude='./obj-*' . | \
	  tar -x -C $(DEB_BUILD)/brivazon-$$(dpkg-parsechangelog -S Version)
	cd $(DEB_BUILD)/brivazon-* && DEB_BUILD_OPTIONS="parallel=$(JOBS)" dpkg-buildpackage -us -uc
	sh packaging/check-package.sh --deb $(DEB_BUILD)/brivazon_*_$$(dpkg --print-architecture).deb \
	  $(DEB_BUILD)/package-check
	lintian --display-info --fail-on error,warning,info $(DEB_BUILD)/brivazon_*.changes
	@echo "Install it with: sudo apt install ./$$(ls $(DEB_BUILD)/brivazon_*_$$(dpkg --print-architecture).deb)"

screenshots: build
	QT_QPA_PLATFORM=offscreen $(BUILD)/tools/screenshots/brivazon-screenshots \
	  --out docs/screenshots docs/screenshots/*.shots

icons:
	@tools/install-deps.sh librsvg2-bin
	for size in $(ICON_SIZES); do \
	  rsvg-convert -w $$size -h $$size $(ICON).svg -o $(ICON)-$$size.png || exit 1; \
	done
	rsvg-convert $(ICON_MASKABLE) $(ICON).svg -o $(ICON)-maskable.png
