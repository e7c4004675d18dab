#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Brivazon developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Every program answers --help with its usage and status 0, and refuses what it does not
# understand with a message and status 2 at once, before doing any of its work (a soak run of
# 100,000 games, a window, a scenario read from standard input); the runner's --texts lists
# the texts of every kind the game shows.
#   command_lines_test.sh BRIVAZON BRIVAZON_SIM BRIVAZON_SOAK BRIVAZON_SCREENSHOTS
set -u

game=$1 sim=$2 soak=$3 shots=$4
export QT_QPA_PLATFORM=offscreen
out=$(mktemp) err=$(mktemp)
trap 'rm -f "$out" "$err"' EXIT
failures=0

# expect STATUS STREAM TEXT PROGRAM ARG...: the program, given ARG..., ends with STATUS within
# 20 seconds and its STREAM (out or err) says TEXT.
expect() {
  status=$1 stream=$2 text=$3
  shift 3
  timeout 20 "$@" </dev/null >"$out" 2>"$err"
  got=$?
  if [ "$stream" = out ]; then said=$out; else said=$err; fi
  if [ "$got" -ne "$status" ] || ! grep -qF -- "$text" "$said"; then
    echo "FAIL: $* ended with status $got (want $status), standard $stream lacks '$text':" >&2
    cat "$out" "$err" >&2
    failures=$((failures + 1))
  fi
}

expect 0 out "usage: brivazon [Qt options]" "$game" --help
expect 2 err "unknown option '--fullscreen'" "$game" --fullscreen
# Qt's own options are Qt's: what is left after them is still refused.
expect 2 err "unknown option 'extra'" "$game" -platform offscreen extra

expect 0 out "usage: brivazon-sim" "$sim" --help
expect 2 err "unknown option '--fast'" "$sim" --fast
expect 2 err "--seed needs a value" "$sim" --seed
expect 2 err "--seed takes a whole number, not 'x'" "$sim" --seed x
# Every text the game can show: a caption, messages, a question of the bank, a final-round word.
for text in "Joueur 3, tapez votre nom" "Tu ne devrais pas avoir bourdonné dedans!" \
  "Pas de nom?  Nous allons tu appeller Pierre." "BIG TREES / OBSTACLES" \
  "Quel animal peux avalent leur proie toute entière?"; do
  expect 0 out "$text" "$sim" --texts
done

expect 0 out "usage: brivazon-soak" "$soak" --help
expect 2 err "unknown option '--help-me'" "$soak" --help-me
expect 2 err "--games needs a value" "$soak" --games
expect 2 err "--games takes a whole number, not '10k'" "$soak" --games 10k
expect 2 err "--first-seed takes a whole number, not '-1'" "$soak" --first-seed -1

expect 0 out "usage: brivazon-screenshots" "$shots" --help
expect 2 err "--scale takes a number above 0, not 'x'" "$shots" --scale x --out . a.shots
expect 2 err "--scale takes a number above 0, not '0'" "$shots" --scale 0 --out . a.shots
expect 2 err "usage: brivazon-screenshots" "$shots" --frob

[ "$failures" -eq 0 ] || exit 1
echo "every program refuses what it does not understand"
