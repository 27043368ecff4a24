#!/usr/bin/env bash
# The .deb that CPack makes: its control fields, dependencies that cover
# every library and plugin the game loads, contents that match a plain
# install under /usr, and the game started from the unpacked tree. Nothing
# is installed on this machine.
# usage: deb_test.sh <build folder> <cue output checker> <project version>
source "$(dirname "$0")/common.sh"
build=$(realpath "$1")
CUE_CHECK=$(realpath "$2")
[ -x "$CUE_CHECK" ] || die "no cue output checker at $2"
version=$3
arch=$(dpkg --print-architecture)

# Under the strictest umask: the package must not carry the packager's.
(umask 077 && cpack --config "$build/CPackConfig.cmake" -G DEB -B "$scratch/cpack") >"$scratch/cpack.log" 2>&1 ||
  die "cpack failed: $(cat "$scratch/cpack.log")"
deb="$scratch/cpack/mossaline_${version}_${arch}.deb"
[ -f "$deb" ] || die "no $(basename "$deb") among: $(ls "$scratch/cpack")"

# --- Control fields
field() {
  dpkg-deb --field "$deb" "$1"
}
expect_field() {
  [ "$(field "$1")" = "$2" ] || fail "$1 is '$(field "$1")', expected '$2'"
}
expect_field Package mossaline
expect_field Version "$version"
expect_field Architecture "$arch"
expect_field Section games
expect_field Priority optional
[[ "$(field Maintainer)" =~ ^[^\<]+\ \<[^@\>]+@[^\>]+\>$ ]] || fail "Maintainer '$(field Maintainer)' is not 'Name <address>'"
description=$(field Description)
[ "$(head -n 1 <<<"$description")" = "Peg solitaire with marbles" ] ||
  fail "the Description's summary line is '$(head -n 1 <<<"$description")'"
[ "$(wc -l <<<"$description")" -gt 1 ] || fail "the Description has no long text"
if awk 'length > 80 { found = 1 } END { exit !found }' <<<"$description"; then
  fail "the Description has lines longer than 80 columns"
fi

# Package names in Depends, alternatives included, without versions.
field Depends | tr ',|' '\n\n' | sed 's/(.*)//; s/:.*//; s/[[:space:]]//g' | sed '/^$/d' | sort -u >"$scratch/depends"
echo "Depends: $(field Depends)"

# --- Contents
# Everything belongs to root and lies under /usr, with the launcher and the
# program where a Debian system expects them.
dpkg-deb --contents "$deb" >"$scratch/contents"
awk '$2 != "root/root" { print "  " $0 }' "$scratch/contents" >"$scratch/not-root"
if [ -s "$scratch/not-root" ]; then
  fail "entries not owned by root/root:"
  cat "$scratch/not-root" >&2
fi
# Folders open to all, files readable by all, only the program runnable.
awk '$1 != "drwxr-xr-x" && $1 != "-rw-r--r--" && $1 != "lrwxrwxrwx" &&
     !($1 == "-rwxr-xr-x" && $6 == "./usr/lib/mossaline/mossaline") { print "  " $0 }' \
  "$scratch/contents" >"$scratch/odd-modes"
if [ -s "$scratch/odd-modes" ]; then
  fail "entries with unexpected modes:"
  cat "$scratch/odd-modes" >&2
fi
awk '$6 !~ /^\.\/usr\// && $6 != "./" { print "  " $6 }' "$scratch/contents" >"$scratch/outside"
if [ -s "$scratch/outside" ]; then
  fail "entries outside /usr:"
  cat "$scratch/outside" >&2
fi
for entry in "./usr/bin/mossaline -> ../lib/mossaline/mossaline" \
  "./usr/lib/mossaline/mossaline" \
  "./usr/lib/mossaline/sound/chimeup.wav" \
  "./usr/lib/mossaline/mossaline-finishes.bin" \
  "./usr/share/applications/$APP_ID.desktop" \
  "./usr/share/metainfo/$APP_ID.metainfo.xml" \
  "./usr/share/icons/hicolor/scalable/apps/$APP_ID.svg" \
  "./usr/share/icons/hicolor/48x48/apps/$APP_ID.png" \
  "./usr/share/doc/mossaline/copyright"; do
  grep -qF " $entry" "$scratch/contents" || fail "the package lacks $entry"
done

# The package holds exactly what a plain install into /usr holds.
unpacked="$scratch/unpacked"
dpkg-deb -x "$deb" "$unpacked"
cmake --install "$build" --prefix "$scratch/plain/usr" >"$scratch/install.log" ||
  die "install failed: $(cat "$scratch/install.log")"
if ! diff -u <(file_listing "$scratch/plain") <(file_listing "$unpacked") >"$scratch/diff"; then
  fail "the package's files differ from a plain install's (- plain only, + package only):"
  cat "$scratch/diff" >&2
fi

# --- Dependencies
# owner_of <file>: the installed package that holds a file, or nothing. With
# /lib merged into /usr/lib, dpkg may know the file under either name.
owner_of() {
  local path candidate
  path=$(realpath "$1")
  for candidate in "$1" "$path" "${path#/usr}" "/usr$path"; do
    if dpkg -S "$candidate" >"$scratch/owner" 2>/dev/null; then
      head -n 1 "$scratch/owner" | cut -d: -f1
      return
    fi
  done
}
expect_dependency() {
  local why=$1 package=$2
  if [ -z "$package" ]; then
    fail "no installed package holds $why, so none can be declared"
  elif ! grep -qx "$package" "$scratch/depends"; then
    fail "Depends lacks $package, which holds $why"
  fi
}

program="$unpacked/usr/lib/mossaline/mossaline"
ldd "$program" >"$scratch/ldd" || die "ldd cannot read $program"
while read -r needed; do
  # ldd names the dynamic loader by its path alone, without "=>".
  library=$(awk -v name="$needed" '$1 == name && $2 == "=>" { print $3 } $1 ~ "/" name "$" { print $1 }' "$scratch/ldd")
  if [ -z "$library" ] || [ "$library" = "not" ]; then
    fail "the program needs $needed, which is not found here"
    continue
  fi
  expect_dependency "$needed" "$(owner_of "$library")"
done < <(objdump -p "$program" | awk '$1 == "NEEDED" { print $2 }')
# Opened by name when sound is first wanted, so no NEEDED entry names them.
for opened in libpulse.so.0 libSDL2-2.0.so.0; do
  # awk reads to the end: leaving early would end ldconfig with SIGPIPE, which pipefail reports.
  library=$(ldconfig -p | awk -v name="$opened" '$1 == name && !found { print $NF; found = 1 }')
  expect_dependency "$opened (opened by name)" "$(owner_of "${library:-/nonexistent}")"
done
# Loaded by name at run time, so no library scan can see them: Qt's X11
# platform plugin and the face the design's captions are drawn in.
xcb_plugin=$(dpkg -S '*/qt6/plugins/platforms/libqxcb.so' 2>/dev/null | awk 'NR == 1 { print $2 }')
[ -n "$xcb_plugin" ] || die "Qt's X11 platform plugin is not installed here"
expect_dependency "Qt's X11 platform plugin" "$(owner_of "$xcb_plugin")"
font=$(fc-match -f '%{file}' 'Liberation Sans:style=Regular')
case "$(fc-match -f '%{family}' 'Liberation Sans')" in
  *"Liberation Sans"*) expect_dependency "the Liberation Sans font" "$(owner_of "$font")" ;;
  *) die "Liberation Sans is not installed here" ;;
esac

# --- The unpacked game runs
start_x_server
elsewhere="$scratch/elsewhere"
mkdir -p "$elsewhere"
output="$scratch/sound-output.raw"
start_game "$elsewhere" "$output" "$unpacked/usr/bin/mossaline"
[ "$(game_executable)" = "$program" ] || fail "the unpacked launcher ran $(game_executable), not $program"
expect_first_cue "$output" "$unpacked/usr/lib/mossaline/sound/chimeup.wav"
stop_game

finish
