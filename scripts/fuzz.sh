#!/usr/bin/env bash
# Builds the cue-file fuzzer with clang and runs it, by default for ten minutes.
#   scripts/fuzz.sh [SECONDS] [libFuzzer flags...]   fuzz; findings go to build-fuzz/artifacts/
#   scripts/fuzz.sh --merge                          add to fuzz/corpus/cue_file only those files
#                                                    found by runs that reach new code
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${MOSSALINE_FUZZ_BUILD_DIR:-$root/build-fuzz}
committed=$root/fuzz/corpus/cue_file
found=$build/corpus/cue_file   # grows with every run; the committed corpus is only read

"$root/scripts/install-deps.sh" play fuzz
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
  -DMOSSALINE_FUZZ=ON -DMOSSALINE_TESTS=OFF >/dev/null
cmake --build "$build" --target cue_file_fuzzer
mkdir -p "$found" "$build/artifacts"

# A smaller quarantine than the default keeps page faults from dominating each run; freed
# blocks still stay poisoned well past the input that freed them.
export ASAN_OPTIONS=detect_leaks=1:allocator_may_return_null=0:quarantine_size_mb=32
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
fuzzer=("$build/cue_file_fuzzer" -rss_limit_mb=2048 -timeout=5 -dict="$root/fuzz/cue_file.dict")

if [ "${1:-}" = "--merge" ]; then
  # Edges alone decide, not how often each is hit, so the corpus stays a handful of files.
  "${fuzzer[@]}" -merge=1 -use_counters=0 "$committed" "$found"
  echo "fuzz: $(ls "$committed" | wc -l) files in $committed"
  exit 0
fi

seconds=${1:-600}
[ $# -gt 0 ] && shift
"${fuzzer[@]}" -max_total_time="$seconds" -print_final_stats=1 \
  -artifact_prefix="$build/artifacts/" "$@" "$found" "$committed"
