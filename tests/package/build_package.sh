#!/usr/bin/env bash
# The Debian packages of this build, made once with cpack for the tests that check or install
# them (the fixture skarvel_package).
set -euo pipefail
build=$1
out=$2
rm -rf "$out"
mkdir -p "$out"
(cd "$build" && cpack -G DEB -B "$out" >"$out/cpack.log" 2>&1) || {
  cat "$out/cpack.log"
  exit 1
}
ls "$out"/skarvel_*_amd64.deb
