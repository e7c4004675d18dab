# SPDX-FileCopyrightText: 2026 The Brivazon developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The game as a desktop product: the Debian package and the README's pictures.
#
#   make package       builds a Release tree in build/package, packs it with CPack into a .deb
#                      and checks what the package holds and depends on
#   make screenshots   plays docs/screenshots/*.shots on the headless game and paints each shot
#                      with the game's own renderer into docs/screenshots/NAME.png
#   make icons         renders the icon's PNG sizes again from its SVG drawing

PACKAGE_BUILD ?= build/package
ICON := packaging/icons/org.brivazon.Brivazon
ICON_SIZES := 16 24 32 48 64 128 256

.PHONY: package screenshots icons

package:
	@tools/install-deps.sh dpkg-dev file desktop-file-utils appstream
	cmake -S . -B $(PACKAGE_BUILD) -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
	  -DBRIVAZON_TESTS=OFF -DBRIVAZON_BENCH=OFF >/dev/null
	cmake --build $(PACKAGE_BUILD) -j $(JOBS) --target brivazon
	rm -f $(PACKAGE_BUILD)/brivazon_*.deb
	cd $(PACKAGE_BUILD) && cpack -G DEB
	sh packaging/check-package.sh --deb $(PACKAGE_BUILD)/brivazon_*.deb $(PACKAGE_BUILD)/package-check
	@echo "Install it with: sudo apt install ./$$(ls $(PACKAGE_BUILD)/brivazon_*.deb)"

screenshots: build
	QT_QPA_PLATFORM=offscreen $(BUILD)/tools/screenshots/brivazon-screenshots \
	  --out docs/screenshots docs/screenshots/*.shots

icons:
	@tools/install-deps.sh librsvg2-bin
	for size in $(ICON_SIZES); do \
	  rsvg-convert -w $$size -h $$size $(ICON).svg -o $(ICON)-$$size.png || exit 1; \
	done
