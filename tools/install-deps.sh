#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Tessaron developers
# Installs the Debian packages Tessaron builds, plays and tests with, when any is missing.
set -eu
packages="cmake g++ make libsdl2-dev libsdl2-ttf-dev libsdl2-image-dev libsdl2-mixer-dev
  libfontconfig-dev zlib1g-dev fonts-lato libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth xdotool wmctrl imagemagick x11-utils libxtst-dev
  dpkg-dev file desktop-file-utils appstream weston libdecor-0-plugin-1-cairo openbox
  lintian devscripts debhelper autopkgtest man-db clang-format gettext locales libc-l10n"
missing=""
for p in $packages; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing="$missing $p"
done
if [ -n "$missing" ]; then
  echo "Installing:$missing"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends $missing >/dev/null
fi
# The language tests play in English, French and a locale with a decimal comma.
for wanted in en_US fr_FR de_DE; do
  if ! locale -a 2>/dev/null | grep -qx "$wanted.utf8"; then
    sed -i "s/^# *\($wanted.UTF-8 UTF-8\)/\1/" /etc/locale.gen
    grep -q "^$wanted.UTF-8 UTF-8" /etc/locale.gen || echo "$wanted.UTF-8 UTF-8" >>/etc/locale.gen
    generate=yes
  fi
done
if [ -n "${generate:-}" ]; then
  echo "Generating the locales en_US, fr_FR and de_DE (UTF-8)"
  locale-gen >/dev/null
fi
