#!/usr/bin/env bash
# Installs what is missing, builds both trees and starts the program under Wine.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")"
./scripts/install-deps.sh
cmake --preset native >/dev/null && cmake --build --preset native -j"$(nproc)"
cmake --preset windows >/dev/null && cmake --build --preset windows -j"$(nproc)"
cmake --install build/windows >/dev/null
if [ ! -f build/windows/install/KX90Driver.exe ]; then
    echo "run.sh: the program's main window is not built yet; the libraries and tests are (see ./test.sh)."
    exit 0
fi
export KX90_VIRTUAL_MOUSE=${KX90_VIRTUAL_MOUSE:-1}
exec ./scripts/wine.sh build/windows/install/KX90Driver.exe
