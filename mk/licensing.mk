# SPDX-FileCopyrightText: 2026 The Brivazon developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Licensing: every file of the tree says under which licence it is, as the REUSE rules ask
# (`reuse lint` checks it in the test suite).
#
#   make spdx   puts the copyright and licence header into every file that has none yet, then
#               lints the tree; run it after adding files

SPDX_HOLDER := The Brivazon developers
SPDX_YEAR ?= $(shell date +%Y)
# What .reuse/dep5 covers instead: files that cannot carry a comment, or whose every byte counts.
SPDX_SKIP := \.(png|svg|expected|scn|json)$$|^debian/|^LICENSES/|^LICENSE$$|^\.reuse/

# Files of a kind the tool does not know (README.md, the desktop entry, the shot lists, scripts
# without an extension) get the HTML comment for Markdown and the shell's # for the others.
SPDX_ARGS := --copyright "$(SPDX_HOLDER)" --year $(SPDX_YEAR) --license GPL-3.0-or-later \
  --skip-existing --no-replace
SPDX_LIST := build/spdx-files.txt

.PHONY: spdx

spdx:
	@tools/install-deps.sh reuse
	@mkdir -p $(dir $(SPDX_LIST))
	git ls-files --cached --others --exclude-standard | grep -Ev '$(SPDX_SKIP)' >$(SPDX_LIST)
	xargs -r reuse annotate $(SPDX_ARGS) --skip-unrecognised <$(SPDX_LIST)
	grep -E '\.md$$' $(SPDX_LIST) | xargs -r reuse annotate $(SPDX_ARGS) --style html
	xargs -r reuse annotate $(SPDX_ARGS) --style python <$(SPDX_LIST)
	rm -f $(SPDX_LIST)
	reuse lint
