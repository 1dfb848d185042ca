#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tesmo developers <autore@tesmo.example>
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package, its tests included, in a minimal Debian 12
# chroot that holds build-essential and the package's Build-Depends and
# nothing else, as a normal user: what a Debian build daemon does. Needs
# root (debootstrap, chroot, mounts).
#   tools/chroot_build.sh [CHROOT]
# CHROOT (default /srv/tesmo-bookworm) is made with debootstrap when missing
# and kept for the next run; the packages land in build-chroot/.
set -euo pipefail
cd "$(dirname "$0")/.."
root=${1:-/srv/tesmo-bookworm}
mirror=${MIRROR:-http://deb.debian.org/debian}

if [ ! -x "$root/usr/bin/dpkg-buildpackage" ]; then
  command -v debootstrap >/dev/null || apt-get install -y -qq --no-install-recommends debootstrap
  debootstrap --variant=buildd bookworm "$root" "$mirror"
fi

mounted=()
cleanup() {
  for ((i = ${#mounted[@]} - 1; i >= 0; i--)); do umount -l "${mounted[i]}" 2>/dev/null || true; done
}
trap cleanup EXIT
for fs in proc sys dev dev/pts; do
  mount --bind "/$fs" "$root/$fs"
  mounted+=("$root/$fs")
done

# A clean copy of the tree, owned by the user that builds.
chroot "$root" sh -c 'id builder >/dev/null 2>&1 || useradd --create-home builder'
rm -rf "$root/home/builder/src"
mkdir -p "$root/home/builder/src/tesmo"
tar --exclude=./.git --exclude='./build*' -cf - . | tar -C "$root/home/builder/src/tesmo" -xf -
chroot "$root" chown -R builder: /home/builder/src

# Only what debian/control asks for.
chroot "$root" apt-get update -qq
chroot "$root" env DEBIAN_FRONTEND=noninteractive apt-get build-dep -y -qq --no-install-recommends /home/builder/src/tesmo

start=$(date +%s)
chroot "$root" runuser -u builder -- sh -c \
  'cd /home/builder/src/tesmo && DEB_BUILD_OPTIONS="parallel=$(nproc)" dpkg-buildpackage -b -us -uc'
echo "built in $(($(date +%s) - start)) s"
mkdir -p build-chroot
cp "$root"/home/builder/src/*.deb "$root"/home/builder/src/tesmo_*.changes "$root"/home/builder/src/tesmo_*.buildinfo build-chroot/
