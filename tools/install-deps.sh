#!/bin/sh

# SPDX-FileCopyrightText: 2026 The Brivazon developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs the Debian packages the game needs to build, run and test, where they are missing.
# Runs apt-get through sudo when not root; does nothing when everything is there.
set -eu

packages="cmake g++ make pkg-config qt6-base-dev qt6-base-private-dev libgl-dev libcanberra-dev
  libsdl2-dev libgtest-dev libgmock-dev libbenchmark-dev libxcb1-dev fonts-liberation2
  fonts-comic-neue fonts-dancingscript fonts-texgyre fonts-dejavu-core reuse desktop-file-utils
  appstream man-db $*"

missing=""
for p in $packages; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing="$missing $p"
  fi
done
[ -z "$missing" ] && exit 0

if [ "$(id -u)" -eq 0 ]; then sudo=""; else sudo="sudo"; fi
echo "Installing:$missing"
export DEBIAN_FRONTEND=noninteractive
# Another install (a second build, an unattended upgrade) may hold the lock for a while.
lock="-o DPkg::Lock::Timeout=600"
# shellcheck disable=SC2086
if ! $sudo apt-get $lock install -y -q --no-install-recommends $missing </dev/null; then
  $sudo apt-get $lock update -q </dev/null
  # shellcheck disable=SC2086
  $sudo apt-get $lock install -y -q --no-install-recommends $missing </dev/null
fi
