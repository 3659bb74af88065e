#!/usr/bin/env bash
# Builds the benchmarks in the release preset (optimised, NDEBUG, no sanitizers: the program's own
# build settings) and runs them; each prints its ratio against its target. Not part of ./test.sh's
# pass/fail count.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
cmake --preset release >/dev/null
cmake --build --preset release -j"$(nproc)" --target xml_reader_bench hook_decision_bench profile_write_bench
for b in xml_reader_bench hook_decision_bench profile_write_bench; do
    echo "== $b"
    "build/release/bench/$b" "$@"
done
