# SPDX-FileCopyrightText: 2026 The Brivazon developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The two commands a player or developer needs: `make run` and `make test`. Both install the
# Debian packages that are missing, then configure and build through CMake's presets.

PRESET ?= default
BUILD := build/$(PRESET)
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

.PHONY: run test build configure deps check-sanitize soak bench clean

run: build
	$(BUILD)/app/brivazon

test: build
	ctest --preset $(PRESET)

build: configure
	cmake --build --preset $(PRESET) -j $(JOBS)

configure: deps
	cmake --preset $(PRESET) >/dev/null

deps:
	@tools/install-deps.sh

# The whole test suite again, built with AddressSanitizer and UndefinedBehaviorSanitizer.
check-sanitize:
	$(MAKE) test PRESET=sanitize

# At least 100,000 randomized games under the sanitizers, with the rate they play at.
SOAK_GAMES ?= 100000
soak:
	$(MAKE) build PRESET=sanitize
	build/sanitize/tests/brivazon-soak --games $(SOAK_GAMES) --out build/sanitize/soak-failures

# How fast the headless game plays whole games, and the cost of one tick of each timer.
bench: build
	$(BUILD)/bench/brivazon_bench

clean:
	rm -rf build

# Further targets: the real-window checks, packaging, screenshots.
-include mk/*.mk
