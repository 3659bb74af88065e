#!/usr/bin/env bash
# Installs what is missing, builds both trees, installs the Windows build and starts the program
# under Wine with the virtual mouse (its state is written to build/run/virtual-mouse.txt).
#   With a display: the program opens in a real window; run.sh ends when the program does.
#   Without one: under Xvfb, the main window and its five pages are captured to
#   build/screenshots/*.png and the program is left through its tray menu's Exit.
# Exits 0 when the program ran (and, headless, every screenshot was taken).
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")"
root=$(pwd -P)
jobs=$(nproc)

say() { printf 'run.sh: %s\n' "$*"; }

./scripts/install-deps.sh
say "building the native tree (tools the Windows build needs)"
cmake --preset native >/dev/null
cmake --build --preset native -j"$jobs"
say "building the Windows tree"
cmake --preset windows >/dev/null
cmake --build --preset windows -j"$jobs"
cmake --install build/windows >/dev/null

program=build/windows/install/KX90Driver.exe

mkdir -p build/run
# The Windows side sees the Linux root as drive Z:.
export KX90_VIRTUAL_MOUSE="Z:$root/build/run/virtual-mouse.txt"

if [ -n "${DISPLAY:-}" ]; then
    say "starting $program (virtual mouse; leave through the tray icon's Exit)"
    set +e
    ./scripts/wine.sh "$program"
    rc=$?
    set -e
    say "the program ended with exit code $rc"
    exit 0
fi

driver=build/windows/tests/e2e/kx90_e2e.exe
if [ ! -f "$driver" ]; then
    say "$driver is missing; cannot drive the program without a display"
    exit 1
fi
rm -rf build/screenshots/main_window.png build/screenshots/page_?.png
mkdir -p build/screenshots
say "no display: running the program under Xvfb and capturing its pages"
# wine.sh starts Xvfb itself when DISPLAY is unset; the driver starts the program in that session.
if timeout 300 ./scripts/wine.sh "$driver" capture "Z:$root/build/windows/install" \
    "Z:$root/build/screenshots" "$KX90_VIRTUAL_MOUSE"; then
    say "screenshots:"
    ls -1 build/screenshots/main_window.png build/screenshots/page_?.png
    exit 0
fi
say "the program did not run through (see the FAIL lines above)"
exit 1
