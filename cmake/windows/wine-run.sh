#!/usr/bin/env bash
# Runs a cross-built test program under Wine, finding the Windows Qt's DLLs and plug-ins and the
# compiler's runtime DLLs where they were built and installed (CMake's emulator for Windows).
# Usage: wine-run.sh QT_PREFIX PROGRAM [ARGUMENT...]
set -euo pipefail
qt=${1:?usage: wine-run.sh QT_PREFIX PROGRAM [ARGUMENT...]}
shift
triple=x86_64-w64-mingw32
to_windows() { local p=${1//\//\\}; echo "Z:$p"; }
runtime=$(dirname "$($triple-g++-posix -print-libgcc-file-name)")
export WINEPATH="$(to_windows "$qt/bin");$(to_windows "$runtime");$(to_windows "/usr/$triple/lib")"
export QT_PLUGIN_PATH=$(to_windows "$qt/plugins")
export WINEDEBUG=${WINEDEBUG:--all}
# Wine starts its server on first use, and the server would inherit this run's output pipes:
# whoever reads them (ctest) would wait for the server to end. A server started apart, and
# kept until `wineserver -k`, holds none of them; when one runs already this does nothing.
wineserver -p </dev/null >/dev/null 2>&1 || true
exec wine "$@"
