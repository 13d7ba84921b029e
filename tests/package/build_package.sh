#!/usr/bin/env bash
# The Debian packages of this build, made once with cpack for the tests that check or install
# them (the fixture skarvel_package).
set -euo pipefail
build=$1
out=$2
rm -rf "$out"
mkdir -p "$out"
# cpack's install step leaves its list of installed files in the build tree; a test leaves
# nothing there.
manifest="$build/install_manifest.txt"
[ -e "$manifest" ] && had_manifest=1 || had_manifest=0
built=0
(cd "$build" && cpack -G DEB -B "$out" >"$out/cpack.log" 2>&1) || built=$?
[ "$had_manifest" -eq 1 ] || rm -f "$manifest"
if [ "$built" -ne 0 ]; then
  cat "$out/cpack.log"
  exit 1
fi
ls "$out"/skarvel_*_amd64.deb
