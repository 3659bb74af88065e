#!/usr/bin/env bash
# Runs a Windows program under Wine: own prefix under build/, no Mono/Gecko prompts, a virtual
# X display when there is none, and the program's exit code passed through.
#   scripts/wine.sh PROGRAM.exe [ARGS...]
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export WINEPREFIX=${WINEPREFIX:-$root/build/wineprefix}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
export WINEARCH=win64
loader=/usr/lib/wine/wine64
[ -x "$loader" ] || loader=$(command -v wine64 || command -v wine)

if [ $# -lt 1 ]; then
    echo "usage: $0 PROGRAM.exe [ARGS...]" >&2
    exit 2
fi

# Without a display, start our own (24-bit, so captures keep their colours) and come back here.
if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" "$0" "$@"
fi

# The prefix is made once; the lock keeps parallel test runs from making it twice.
mkdir -p "$(dirname "$WINEPREFIX")"
(
    flock 9
    if [ ! -f "$WINEPREFIX/.kx90-ready" ]; then
        "$loader" wineboot -i >/dev/null 2>&1 || true
        # CJK text draws as boxes unless the dialog font maps to a font that has the glyphs.
        "$loader" reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes' \
            /v 'MS Shell Dlg' /d 'WenQuanYi Micro Hei' /f >/dev/null 2>&1
        "${loader%/*}/wineserver" -w 2>/dev/null || wineserver -w 2>/dev/null || true
        touch "$WINEPREFIX/.kx90-ready"
    fi
) 9>"$WINEPREFIX.lock"

set +e
"$loader" "$@"
rc=$?
set -e
exit $rc
