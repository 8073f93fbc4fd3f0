#!/usr/bin/env bash
# Checks a built Debian package: lintian finds no error, the package holds
# what a desktop needs, its program is stripped, its desktop entry and
# metainfo pass their validators, and it depends on no development package.
# Usage: tests/package_test.sh restomer_VERSION_ARCH.deb
set -uo pipefail
deb=$1
app_id=example.restomer.Restomer
passed=0
failed=0
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

check() {  # check NAME COMMAND...
  local name=$1
  shift
  if output=$("$@" 2>&1); then
    echo "ok: $name"
    passed=$((passed + 1))
  else
    echo "FAILED: $name"
    printf '%s\n' "$output" | sed 's/^/    /'
    failed=$((failed + 1))
  fi
}

dpkg-deb --extract "$deb" "$work/root"
root=$work/root/usr

# Lintian runs as root here with a warning about it, which is not a finding.
check "lintian finds no error" lintian --fail-on error "$deb"

needed=(bin/restomer share/applications/$app_id.desktop share/metainfo/$app_id.metainfo.xml
        share/icons/hicolor/scalable/apps/$app_id.svg share/man/man1/restomer.1.gz
        share/man/bg/man1/restomer.1.gz share/doc/restomer/copyright)
for size in 16 24 32 48 64 128 256; do
  needed+=("share/icons/hicolor/${size}x$size/apps/$app_id.png")
done
for file in "${needed[@]}"; do check "holds /usr/$file" test -s "$root/$file"; done

check "the program is stripped" sh -c "! readelf --sections '$root/bin/restomer' | grep -q '\.debug_info'"
check "the desktop entry is valid" desktop-file-validate "$root/share/applications/$app_id.desktop"
check "the metainfo is valid" appstreamcli validate --no-net "$root/share/metainfo/$app_id.metainfo.xml"

depends=$(dpkg-deb --field "$deb" Depends)
check "depends on no development package" sh -c "! printf '%s' '$depends' | grep -Eq '(^|[ ,])[^ ,]*-dev([ ,(]|$)'"
check "depends on the window's font" sh -c "printf '%s' '$depends' | grep -q fonts-liberation"
check "recommends Qt's Wayland platform" sh -c "[ \"\$(dpkg-deb --field '$deb' Recommends)\" = qt6-wayland ]"

echo "package: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
