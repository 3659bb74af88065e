#!/usr/bin/env bash
# Builds both presets from scratch or incrementally and runs every test: native (ASan/UBSan),
# then the cross-built tests under Wine on one virtual display. Exits non-zero on any failure.
set -uo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")"
root=$(pwd)
jobs=$(nproc)

step() { printf '\n== %s\n' "$*"; }
# A step that cannot even run ends the whole run; the closing line still says that it failed.
die() {
    echo "test.sh: $*" >&2
    echo
    echo "0 passed, 1 failed"
    exit 1
}

step "dependencies"
./scripts/install-deps.sh || die "could not install the Debian packages"

step "native build"
cmake --preset native >/dev/null || die "native configure failed"
cmake --build --preset native -j"$jobs" || die "native build failed"

step "windows build"
cmake --preset windows >/dev/null || die "windows configure failed"
cmake --build --preset windows -j"$jobs" || die "windows build failed"
cmake --install build/windows >/dev/null || die "windows install failed"

mkdir -p build/logs
step "native tests"
ctest --preset native -j"$jobs" 2>&1 | tee build/logs/native-ctest.log
native_rc=${PIPESTATUS[0]}

step "fuzzing the XML reader (60 s)"
./fuzz/run.sh 60 >build/logs/fuzz.log 2>&1
fuzz_rc=$?
tail -n 6 build/logs/fuzz.log

step "windows tests (Wine)"
export WINEPREFIX="$root/build/wineprefix"
# One X server for all Windows tests; 24-bit so captured screenshots keep their colours.
xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" \
    ctest --preset windows 2>&1 | tee build/logs/windows-ctest.log
windows_rc=${PIPESTATUS[0]}
/usr/lib/wine/wineserver -k 2>/dev/null || true

# One closing line over both runs.
count() { # log, which (passed|failed)
    local line total failed
    line=$(grep -E 'tests passed, [0-9]+ tests? failed out of [0-9]+' "$1" | tail -n 1)
    total=$(sed -E 's/.*out of ([0-9]+).*/\1/' <<<"$line")
    failed=$(sed -E 's/.*passed, ([0-9]+) tests? failed.*/\1/' <<<"$line")
    total=${total:-0}; failed=${failed:-0}
    if [ "$2" = passed ]; then echo $((total - failed)); else echo "$failed"; fi
}
passed=$(( $(count build/logs/native-ctest.log passed) + $(count build/logs/windows-ctest.log passed) ))
failed=$(( $(count build/logs/native-ctest.log failed) + $(count build/logs/windows-ctest.log failed) ))
# The fuzz run counts as one test.
if [ "$fuzz_rc" -eq 0 ]; then passed=$((passed + 1)); else failed=$((failed + 1)); fi
if [ "$native_rc" -ne 0 ] || [ "$windows_rc" -ne 0 ]; then
    [ "$failed" -eq 0 ] && failed=1
fi
echo
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
