#!/usr/bin/env bash
# The Windows installer as a player runs it, silently under Wine, per user and then per machine:
# the zip's files in the installation folder with the uninstaller, the Start-menu entry, and the
# entry Windows lists among installed programs (name, publisher, version, size, icon, uninstall
# commands). Per user, the game is started from the installed folder the Start-menu entry points
# at, and plays a jump on a private X server. Then the silent uninstall, run as Windows runs it from that entry, leaves no
# file and no registry key of ours.
# Usage: wine_installer_test.sh SETUP_EXE ZIP WINDOW_PROBE ARTIFACTS_DIR   (WINEPREFIX set by the caller)
set -euo pipefail
setup=${1:?usage: wine_installer_test.sh SETUP_EXE ZIP WINDOW_PROBE ARTIFACTS_DIR}
zip=${2:?}
probe_tool=${3:?}
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/../e2e/e2e_session.sh"
source "$here/wine_jump.sh"
readonly KEY='Software\Microsoft\Windows\CurrentVersion\Uninstall\MOSSALINE'
readonly DEADLINE_S=30
# Wine would mirror the Start-menu entry into this machine's own desktop menus.
export WINEDLLOVERRIDES="winemenubuilder.exe=d${WINEDLLOVERRIDES:+;$WINEDLLOVERRIDES}"

e2e_start_x "${4:?}" 1
version=$(basename "$setup" | sed -E 's/^mossaline-(.*)-win64-setup\.exe$/\1/')
unzip -q "$zip" -d "$work/zip"
expected_files=$(cd "$work/zip"/*/ && { find . -type f; echo ./uninstall.exe; } | sort)

reg_value() { # hive value: prints the data of one value of our uninstall entry
    wine reg query "$1\\$KEY" /v "$2" 2>/dev/null | tr -d '\r' | sed -n "s/^ *$2 *REG_[A-Z]* *//p"
}
our_files() { find "$WINEPREFIX/drive_c" -iname '*mossaline*' 2>/dev/null; }

check_installed() { # hive mode folder_pattern start_menu_folder
    local hive=$1 mode=$2 folder_pattern=$3 start_menu=$4 location folder
    location=$(reg_value "$hive" InstallLocation)
    [[ -n $location ]] || e2e_fail "$mode: no uninstall entry under $hive"
    folder=$(realpath "$(winepath -u "$location" 2>/dev/null)")
    [[ $folder == $folder_pattern ]] || e2e_fail "$mode: installed into $folder, expected $folder_pattern"
    diff <(echo "$expected_files") <(cd "$folder" && find . -type f | sort) >&2 \
        || e2e_fail "$mode: the installed files are not the zip's and the uninstaller"
    [[ -f $start_menu/MOSSALINE.lnk ]] || e2e_fail "$mode: no Start-menu entry in $start_menu"
    [[ $(reg_value "$hive" DisplayName) == MOSSALINE ]] || e2e_fail "$mode: DisplayName"
    [[ $(reg_value "$hive" Publisher) == "The MOSSALINE developers" ]] || e2e_fail "$mode: Publisher"
    [[ $(reg_value "$hive" DisplayVersion) == "$version" ]] || e2e_fail "$mode: DisplayVersion is not $version"
    [[ $(reg_value "$hive" DisplayIcon) == "$location\\mossaline.exe,0" ]] || e2e_fail "$mode: DisplayIcon"
    # Windows shows the size in KiB; it is the installed files' within a tenth.
    local size_kb=$(($(reg_value "$hive" EstimatedSize))) actual_kb
    actual_kb=$(du -sk --apparent-size "$folder" | cut -f1)
    (( size_kb > actual_kb * 9 / 10 && size_kb < actual_kb * 11 / 10 )) \
        || e2e_fail "$mode: EstimatedSize $size_kb KiB, installed $actual_kb KiB"
    [[ $(reg_value "$hive" QuietUninstallString) == "\"$location\\uninstall.exe\" /$mode /S" ]] \
        || e2e_fail "$mode: QuietUninstallString"
    installed=$folder
}

uninstall_and_check() { # hive mode
    local hive=$1 mode=$2 quiet program _
    quiet=$(reg_value "$hive" QuietUninstallString)
    program=${quiet#\"}
    program=${program%%\"*}
    # shellcheck disable=SC2086 # the arguments after the quoted program, as Windows splits them
    wine "$program" ${quiet##*\"} >"$artifacts/uninstall-$mode.log" 2>&1 || e2e_fail "$mode: the uninstaller failed"
    # The uninstaller runs on from a copy of itself in the temporary folder.
    for _ in $(seq $((DEADLINE_S * 10))); do
        [[ -e $installed ]] || break
        sleep 0.1
    done
    [[ ! -e $installed ]] || e2e_fail "$mode: $installed is still there $DEADLINE_S s after the uninstall: $(find "$installed")"
    [[ -z $(our_files) ]] || e2e_fail "$mode: left after the uninstall: $(our_files)"
    wine reg query "HKCU\\$KEY" >/dev/null 2>&1 && e2e_fail "$mode: the uninstall entry is left under HKCU"
    wine reg query "HKLM\\$KEY" >/dev/null 2>&1 && e2e_fail "$mode: the uninstall entry is left under HKLM"
    return 0
}

# A failed run may have left its install in the prefix: start from none.
while IFS= read -r left; do rm -rf "$left"; done < <(our_files)
for hive in HKCU HKLM; do wine reg delete "$hive\\$KEY" /f >/dev/null 2>&1 || true; done
drive_c=$(realpath "$WINEPREFIX/drive_c")

# Per user: no administrator rights asked for.
wine "$setup" /S /CurrentUser >"$artifacts/install-user.log" 2>&1 || e2e_fail "the per-user install failed"
check_installed HKCU CurrentUser "$drive_c/users/*/AppData/Local/Programs/MOSSALINE" \
    "$(echo "$drive_c"/users/*/AppData/Roaming/Microsoft/Windows/Start\ Menu/Programs)"
# The Start-menu entry points at the installed program (a shortcut keeps its target as UTF-16
# text), which is started in its own folder, as the entry starts it.
location=$(reg_value HKCU InstallLocation)
strings -el "$(echo "$drive_c"/users/*/AppData/Roaming/Microsoft/Windows/Start\ Menu/Programs/MOSSALINE.lnk)" \
    | grep -qF "$location\\mossaline.exe" || e2e_fail "the Start-menu entry does not start $location\\mossaline.exe"
(cd "$installed" && exec setpriv --pdeathsig KILL env WINEDEBUG=-all wine ./mossaline.exe) >"$artifacts/game.log" 2>&1 &
game_pid=$!
wine_play_jump "from the per-user install"
uninstall_and_check HKCU CurrentUser

# Per machine: Wine's user is an administrator, as one who runs the installer elevated.
wine "$setup" /S /AllUsers >"$artifacts/install-machine.log" 2>&1 || e2e_fail "the per-machine install failed"
check_installed HKLM AllUsers "$drive_c/Program Files/MOSSALINE" \
    "$drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs"
uninstall_and_check HKLM AllUsers

# Nothing of ours in the registry as Wine writes it out (it saves the hives as its server ends):
# no key of the installer's and no value naming where it installed. (The tests' own sound
# server, mossaline_null, is Wine's record of a device, not ours.)
wineserver -k 2>/dev/null || true
wineserver -w 2>/dev/null || true
readonly OURS='Uninstall\\\\MOSSALINE|Programs\\\\MOSSALINE|Program Files\\\\MOSSALINE|MOSSALINE\.lnk'
if grep -iqE "$OURS" "$WINEPREFIX"/*.reg; then
    grep -iE -B3 "$OURS" "$WINEPREFIX"/*.reg >"$artifacts/registry-left.txt" || true
    e2e_fail "the registry still names MOSSALINE after the uninstalls (registry-left.txt in $artifacts)"
fi
e2e_passed=yes
echo "PASS: $(basename "$setup") under Wine: per user and per machine installed silently, listed in the Start menu and among installed programs, a jump played from the per-user install, uninstalled without a trace"
