#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Brivazon developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Checks manual pages as Debian's lintian does: each one formats with man, in UTF-8 on an
# 80-column terminal, without a single warning from groff or man.
#   check-manual.sh PAGE...
set -eu

failures=0
for page in "$@"; do
  warnings=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 \
    man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>&1 >/dev/null) || {
    echo "FAIL: man cannot format $page" >&2
    failures=$((failures + 1))
  }
  if [ -n "$warnings" ]; then
    printf 'FAIL: %s:\n%s\n' "$page" "$warnings" >&2
    failures=$((failures + 1))
  fi
done
[ "$failures" -eq 0 ] || exit 1
echo "$# manual page(s) format without a warning"
