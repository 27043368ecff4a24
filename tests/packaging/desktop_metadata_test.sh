#!/usr/bin/env bash
# The installed desktop entry and AppStream metainfo pass the freedesktop
# validators without a single remark, and agree with each other and with the
# files installed beside them: one id, the command on the PATH, the icons.
# usage: desktop_metadata_test.sh <build folder> <project version>
source "$(dirname "$0")/common.sh"
build=$(realpath "$1")
version=$2

root="$scratch/root"
prefix="$root/usr"
cmake --install "$build" --prefix "$prefix" >"$scratch/install.log" || die "install failed: $(cat "$scratch/install.log")"
desktop="$prefix/share/applications/$APP_ID.desktop"
metainfo="$prefix/share/metainfo/$APP_ID.metainfo.xml"
[ -f "$desktop" ] || die "no desktop entry at $desktop"
[ -f "$metainfo" ] || die "no metainfo at $metainfo"

# validate <what> <command...>: the validator must succeed and say nothing at
# all, not even a hint.
validate() {
  local what=$1 status=0
  shift
  "$@" >"$scratch/validator.log" 2>&1 || status=$?
  if [ "$status" -ne 0 ] || grep -qE '^(error|warning|hint|[EWIP]):|: (error|warning|hint):' "$scratch/validator.log"; then
    fail "$what (exit $status):"
    cat "$scratch/validator.log" >&2
  fi
}
validate "desktop-file-validate" desktop-file-validate "$desktop"
validate "appstreamcli validate" appstreamcli validate --no-net --strict --pedantic "$metainfo"
# The tree as a software centre reads it: metainfo, desktop entry and icons together.
validate "appstreamcli validate-tree" appstreamcli validate-tree --no-net --strict --pedantic "$root"

# desktop_key <key>: the value of a key in the [Desktop Entry] group.
desktop_key() {
  sed -n '/^\[Desktop Entry\]/,/^\[/{s/^'"$1"'=//p}' "$desktop"
}
# metainfo_text <element>: the text of every such element, one a line.
metainfo_text() {
  sed -n 's:.*<'"$1"'[^>]*>\([^<]*\)</'"$1"'>.*:\1:p' "$metainfo"
}
expect_equal() {
  [ "$2" = "$3" ] || fail "$1 is '$2', expected '$3'"
}

expect_equal "desktop Name" "$(desktop_key Name)" "MOSSALINE"
expect_equal "desktop Icon" "$(desktop_key Icon)" "$APP_ID"
expect_equal "desktop Categories" "$(desktop_key Categories)" "Game;BoardGame;"
[ -n "$(desktop_key Comment)" ] || fail "the desktop entry has no Comment"
[ -n "$(desktop_key Keywords)" ] || fail "the desktop entry has no Keywords"

# Exec names a command that the installation puts on the PATH.
command=$(desktop_key Exec | cut -d' ' -f1)
if [ -z "$command" ] || [ ! -x "$prefix/bin/$command" ]; then
  fail "desktop Exec runs '$command', which the installation does not put in $prefix/bin"
fi
# An icon theme lookup of the Icon name finds the installed pictures.
for size in "${ICON_SIZES[@]}"; do
  [ -f "$prefix/share/icons/hicolor/${size}x${size}/apps/$(desktop_key Icon).png" ] ||
    fail "no ${size}x${size} icon named $(desktop_key Icon)"
done
[ -f "$prefix/share/icons/hicolor/scalable/apps/$(desktop_key Icon).svg" ] ||
  fail "no scalable icon named $(desktop_key Icon)"

expect_equal "metainfo id" "$(metainfo_text id)" "$APP_ID"
expect_equal "metainfo launchable" "$(metainfo_text launchable)" "$(basename "$desktop")"
expect_equal "metainfo name" "$(metainfo_text name)" "MOSSALINE"
expect_equal "metainfo provided binary" "$(metainfo_text binary)" "$command"
expect_equal "metainfo metadata_license" "$(metainfo_text metadata_license)" "CC0-1.0"
expect_equal "metainfo project_license" "$(metainfo_text project_license)" "MIT"
expect_equal "licence shipped with the game" "$(head -n 1 "$prefix/share/doc/mossaline/copyright")" "MIT License"
expect_equal "metainfo newest release" \
  "$(sed -n 's:.*<release [^>]*version="\([^"]*\)".*:\1:p' "$metainfo" | head -n 1)" "$version"
grep -q '<content_rating type="oars-1\.[01]"' "$metainfo" || fail "the metainfo has no OARS content rating"

finish
