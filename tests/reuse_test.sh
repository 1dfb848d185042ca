#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tesmo developers <autore@tesmo.example>
# SPDX-License-Identifier: GPL-3.0-or-later
# Licence and copyright of every file of the source tree, and of nothing a
# build wrote: `reuse lint` runs on a copy of the tree's own files. In a git
# checkout those are the files git knows or would add; in a copy without git
# (a package build, a tarball) every file but the build output: top-level
# build* folders, any folder holding a CMakeCache.txt (whatever its name, the
# package build's obj-* among them) and what debhelper writes in debian/.
# Usage: reuse_test.sh SOURCE_DIR BUILD_DIR
set -uo pipefail
source "$(dirname "$0")/testlib.sh"
source_dir=$(cd "$1" && pwd -P)
build_dir=$(cd "$2" && pwd -P)

command -v reuse >/dev/null || { echo "skipped: reuse is not installed"; exit 77; }

top=$(git -C "$source_dir" rev-parse --show-toplevel 2>/dev/null) && top=$(cd "$top" && pwd -P)
if [ "${top:-}" = "$source_dir" ]; then
  echo "files of the git checkout $source_dir"
  (cd "$source_dir" && git ls-files --cached --others --exclude-standard) >"$work/candidates"
else
  echo "files of the tree $source_dir (no git checkout of its own)"
  (cd "$source_dir" && find . -path ./.git -prune -o -type f -printf '%P\n') >"$work/candidates"
fi

# Build output, as prefixes of the paths relative to the tree.
{
  echo ".git/"
  (cd "$source_dir" && find . -maxdepth 1 -name 'build*' -type d -printf '%P/\n')
  (cd "$source_dir" && find . -path ./.git -prune -o -name CMakeCache.txt -printf '%h/\n' | sed 's|^\./||')
  case "$build_dir/" in "$source_dir"/*) echo "${build_dir#"$source_dir"/}/" ;; esac
  for package in $(sed -n 's/^Package: *//p' "$source_dir/debian/control"); do echo "debian/$package/"; done
  printf '%s\n' debian/.debhelper/ debian/tmp/ debian/files debian/debhelper-build-stamp
} | sort -u >"$work/output"
awk 'NR == FNR { if ($0 != "") prefix[++n] = $0; next }
     /^debian\/[^\/]*(\.substvars|\.debhelper\.log)$/ { next }
     { for (i = 1; i <= n; i++) if (index($0, prefix[i]) == 1) next; print }' \
  "$work/output" "$work/candidates" >"$work/files"
# (a file git still lists but that was deleted is not there to copy)
while IFS= read -r file; do [ -e "$source_dir/$file" ] && printf '%s\0' "$file"; done <"$work/files" >"$work/list"

mkdir "$work/tree"
tar -C "$source_dir" --null -T "$work/list" -cf - | tar -C "$work/tree" -xf - || fail "the tree could not be copied"
# The copy holds the tree: this script and the licence table, no build output.
[ -f "$work/tree/tests/reuse_test.sh" ] && [ -f "$work/tree/.reuse/dep5" ] || fail "the tree's own files are missing from the copy"
[ -n "$(find "$work/tree" -name CMakeCache.txt)" ] && fail "build output was copied"
echo "$(tr -cd '\0' <"$work/list" | wc -c) files, build output left out: $(tr '\n' ' ' <"$work/output")"
reuse --root "$work/tree" lint || fail "reuse lint"
finish
