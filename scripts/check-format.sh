#!/usr/bin/env bash
# Fails when a C++ file under src/ or tests/ differs from what .clang-format makes of it,
# and names each such file. With --fix it rewrites them instead.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

command -v clang-format >/dev/null || { echo "check-format: clang-format is not installed (scripts/install-deps.sh test)" >&2; exit 1; }

fix=0
[ "${1:-}" = "--fix" ] && fix=1

if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  mapfile -t files < <(git ls-files --cached --others --exclude-standard -- 'src/*.h' 'src/*.cpp' 'tests/*.h' 'tests/*.cpp')
else
  mapfile -t files < <(find src tests -name '*.h' -o -name '*.cpp' | sort)
fi

if [ "$fix" -eq 1 ]; then
  clang-format -i --style=file "${files[@]}"
  exit 0
fi

# One clang-format for all files: it names each file that differs in its warnings.
mapfile -t misformatted < <(clang-format --style=file --dry-run --Werror "${files[@]}" 2>&1 \
  | sed -n 's/^\([^:]*\):[0-9]*:[0-9]*: error: code should be clang-formatted.*/\1/p' | sort -u)
if [ ${#misformatted[@]} -ne 0 ]; then
  printf 'Not in the style of .clang-format:\n' >&2
  printf '  %s\n' "${misformatted[@]}" >&2
  printf 'scripts/check-format.sh --fix rewrites them.\n' >&2
  exit 1
fi
echo "check-format: ${#files[@]} files in the style of .clang-format"
