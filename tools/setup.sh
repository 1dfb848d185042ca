#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tesmo developers <autore@tesmo.example>
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages that building, running, testing and fuzzing
# Tesmo need, asking apt only for those that are missing. With "deb": also
# those that building the Debian package needs.
set -euo pipefail

packages=(
  make cmake g++ pkg-config
  qt6-base-dev qt6-base-private-dev
  libopenal-dev libsndfile1-dev sound-theme-freedesktop
  pulseaudio pulseaudio-utils libpulse-dev
  fonts-wine fonts-liberation fontconfig libfontconfig-dev
  qt6-translations-l10n qt6-l10n-tools qt6-tools-dev desktop-file-utils appstream passwd util-linux
  xvfb x11-utils reuse git librsvg2-bin
  adwaita-qt6 qt6-gtk-platformtheme qt6ct qt6-wayland weston
  clang libclang-rt-14-dev
)
if [ "${1:-}" = deb ]; then
  packages+=(debhelper dpkg-dev lintian)
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
