#!/usr/bin/env bash
# The Debian package: built with cpack from the build folder, unpacked into a clean tree with
# dpkg -x, its programs run from there.
set -euo pipefail
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

(cd "$build" && cpack -G DEB -B "$work/out" >"$work/cpack.log" 2>&1) || {
  cat "$work/cpack.log"
  exit 1
}
deb=$(ls "$work"/out/skarvel_*_amd64.deb)
# Read the control fields whole: with pipefail, grep -q leaving early would make dpkg's SIGPIPE
# look like a missing dependency.
depends=$(dpkg -f "$deb" Depends)
grep -q "libfbclient2.*libcups2.*p7zip-full" <<<"$depends" || {
  echo "the package does not depend on what the programs need"
  exit 1
}
dpkg -x "$deb" "$work/root"
for file in usr/bin/skarvel usr/share/applications/skarvel.desktop \
  usr/share/icons/hicolor/scalable/apps/skarvel.svg usr/share/man/man1/skarvel.1 \
  usr/share/man/man1/skarvel-cli.1; do
  [ -e "$work/root/$file" ] || { echo "missing from the package: $file"; exit 1; }
done
version=$("$work/root/usr/bin/skarvel-cli" --version)
[ "$version" = "skarvel-cli $(dpkg -f "$deb" Version)" ] || {
  echo "unexpected version: $version"
  exit 1
}
help=$("$work/root/usr/bin/skarvel-cli" --help)
grep -q "^Exit codes:" <<<"$help" || {
  echo "--help does not document the exit codes"
  exit 1
}
echo "package $(basename "$deb") installs and runs"
