#!/usr/bin/env bash
# Builds the XML reader's fuzzer with clang into build/fuzz and runs it for the given seconds
# (default 60) over the seeds and the shipped language files. Exits non-zero on any finding.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
seconds=${1:-60}
cmake -S fuzz -B build/fuzz -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build/fuzz -j"$(nproc)"
mkdir -p build/fuzz/corpus build/fuzz/findings
# New inputs go to build/fuzz/corpus (the first folder); the seeds in the tree are only read.
build/fuzz/xml_document_fuzzer -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=16384 \
    -print_final_stats=1 -artifact_prefix=build/fuzz/findings/ \
    build/fuzz/corpus fuzz/seeds assets/Language
