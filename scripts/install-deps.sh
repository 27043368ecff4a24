#!/usr/bin/env bash
# Installs the missing Debian packages of the groups named in debian-packages.txt (play, test,
# fuzz, bench, windows); with no group named, of every group.
# Usage: install-deps.sh [GROUP...]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
list=$here/debian-packages.txt
mapfile -t known < <(sed -n 's/^\[\(.*\)\]$/\1/p' "$list")
groups=("$@")
((${#groups[@]})) || groups=("${known[@]}")
for group in "${groups[@]}"; do
  [[ " ${known[*]} " == *" $group "* ]] || { echo "install-deps: no group '$group' in $list (${known[*]})" >&2; exit 2; }
done
mapfile -t wanted < <(awk -v groups=" ${groups[*]} " '
  /^\[.*\]$/ { group = substr($0, 2, length($0) - 2); next }
  /^#/ || /^[[:space:]]*$/ { next }
  index(groups, " " group " ") && !seen[$1]++ { print $1 }' "$list")
missing=()
for package in "${wanted[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "Installing: ${missing[*]}"
sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
