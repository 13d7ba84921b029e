#!/usr/bin/env bash
# The Debian packages (made by build_package.sh into the folder given), checked with lintian as
# apt's users expect them, unpacked into a clean tree with dpkg -x and their programs run from
# there.
set -euo pipefail
packages=$1
# Debian's hardening is checked where the build applied it: a sanitizer build's instrumentation
# and hardening do not go together, so its package goes without.
hardened=${2:-ON}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# lintian leaves caches of its own in the temporary folder: they go with the test's.
export TMPDIR=$work

fail() {
  echo "$*" >&2
  exit 1
}

deb=$(ls "$packages"/skarvel_*_amd64.deb)
dbgsym=$(ls "$packages"/skarvel-dbgsym_*_amd64.ddeb)

# lintian's own words stay in the test's output; an error or a warning fails it.
lintian --fail-on error,warning "$deb" "$dbgsym" 2>&1 | grep -v "running with root privileges" ||
  true
lintian --fail-on error,warning "$deb" "$dbgsym" >/dev/null 2>&1 || fail "lintian finds faults"

# Read the control fields whole: with pipefail, grep -q leaving early would make dpkg's SIGPIPE
# look like a missing dependency.
depends=$(dpkg -f "$deb" Depends)
# Versioned from the libraries the programs link (dpkg-shlibdeps), and what they run or load.
for needed in "libqt6widgets6 (>= " "libcurl4 (>= " "libfbclient2 (>= " "libcups2 (>= " \
  "libacl1 (>= " "libsystemd0" "p7zip-full" "firebird3.0-server-core" "pkexec" \
  "ca-certificates"; do
  grep -qF "$needed" <<<"$depends" || fail "the package does not depend on $needed: $depends"
done
[ "$(dpkg -f "$dbgsym" Depends)" = "skarvel (= $(dpkg -f "$deb" Version))" ] ||
  fail "the symbols package is not tied to its package's version"

dpkg -x "$deb" "$work/root"
dpkg -x "$dbgsym" "$work/symbols"
for file in usr/bin/skarvel usr/bin/skarvel-cli usr/share/applications/skarvel.desktop \
  usr/share/icons/hicolor/scalable/apps/skarvel.svg usr/share/man/man1/skarvel.1.gz \
  usr/share/man/man1/skarvel-cli.1.gz usr/share/doc/skarvel/copyright \
  usr/share/doc/skarvel/changelog.gz usr/libexec/skarvel/skarvel-admin \
  usr/share/polkit-1/actions/org.skarvel.install-till.policy \
  usr/share/skarvel/50-skarvel.rules; do
  [ -e "$work/root/$file" ] || fail "missing from the package: $file"
done
# The action names the helper where the package puts it.
grep -qF '<annotate key="org.freedesktop.policykit.exec.path">/usr/libexec/skarvel/skarvel-admin<' \
  "$work/root/usr/share/polkit-1/actions/org.skarvel.install-till.policy" ||
  fail "the polkit action does not name /usr/libexec/skarvel/skarvel-admin"
desktop-file-validate "$work/root/usr/share/applications/skarvel.desktop"
# Stripped, with each program's symbols in the symbols package under its build id.
for program in usr/bin/skarvel usr/bin/skarvel-cli usr/libexec/skarvel/skarvel-admin; do
  file "$work/root/$program" | grep -q ", stripped" || fail "$program is not stripped"
  # Debian's hardening: bound at start, read-only relocations, fortified functions.
  # (Read whole, as the control fields above.)
  id=$(readelf -n "$work/root/$program" | sed -n 's/.*Build ID: //p')
  [ -f "$work/symbols/usr/lib/debug/.build-id/${id:0:2}/${id:2}.debug" ] ||
    fail "no symbols for $program (build id $id)"
  [ "$hardened" = ON ] || continue
  dynamic=$(readelf -d "$work/root/$program")
  segments=$(readelf -l "$work/root/$program")
  symbols=$(readelf --dyn-syms -W "$work/root/$program")
  grep -q "FLAGS_1.*NOW" <<<"$dynamic" || fail "$program is not bound now"
  grep -q "GNU_RELRO" <<<"$segments" || fail "$program has no RELRO"
  grep -q "__stack_chk_fail@" <<<"$symbols" || fail "$program has no stack protector"
  # The helper makes no call that fortification leaves to be checked at run time (lintian's
  # hardening-no-fortify-functions says so of it, as information); the programs do.
  if [ "$program" != usr/libexec/skarvel/skarvel-admin ]; then
    grep -q "__snprintf_chk@" <<<"$symbols" || fail "$program is not fortified"
  fi
done

version=$("$work/root/usr/bin/skarvel-cli" --version)
[ "$version" = "skarvel-cli $(dpkg -f "$deb" Version)" ] || fail "unexpected version: $version"
help=$("$work/root/usr/bin/skarvel-cli" --help)
for section in "^Exit codes:" "--check" "--json"; do
  grep -q -- "$section" <<<"$help" || fail "--help does not document $section"
done
zgrep -q "JSON OUTPUT" "$work/root/usr/share/man/man1/skarvel-cli.1.gz" ||
  fail "the manual page does not document the JSON output"
echo "packages $(basename "$deb") and $(basename "$dbgsym") pass lintian, install and run"
