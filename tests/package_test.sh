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
        share/man/bg/man1/restomer.1.gz share/doc/restomer/copyright
        share/mime/packages/restomer.xml
        share/icons/hicolor/scalable/mimetypes/application-x-restomer-lesson.svg)
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
check "depends on Qt's Bulgarian texts" sh -c "printf '%s' '$depends' | grep -q qt6-translations-l10n"
check "depends on Qt's voice through speech-dispatcher" sh -c "printf '%s' '$depends' | grep -q qt6-speech-speechd-plugin"
recommends=$(dpkg-deb --field "$deb" Recommends)
for package in qt6-wayland speech-dispatcher speech-dispatcher-espeak-ng espeak-ng-data; do
  check "recommends $package" sh -c "printf '%s' '$recommends' | grep -Eq '(^|, )$package(,|$)'"
done

# Installed on this system, the package makes lesson files known and opens
# them with Restomer (a double-click in a file manager); purged, it is gone.
if [ "$(id -u)" -eq 0 ]; then
  export DEBIAN_FRONTEND=noninteractive
  lesson="$work/урок 1.restomer"
  printf '[Lesson]\nLevel=2\n' >"$lesson"
  check "installs" apt-get install -y -q "$(realpath "$deb")"
  check "a lesson file has its type" \
    test "$(xdg-mime query filetype "$lesson")" = application/x-restomer-lesson
  check "Restomer opens lesson files" \
    test "$(xdg-mime query default application/x-restomer-lesson)" = "$app_id.desktop"
  check "purges" apt-get purge -y -q restomer
  check "the type is gone with it" \
    test "$(xdg-mime query filetype "$lesson")" != application/x-restomer-lesson
fi

echo "package: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
