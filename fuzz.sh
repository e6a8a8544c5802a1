#!/usr/bin/env bash
# Builds the design-file reader's fuzz target with clang's libFuzzer (with
# AddressSanitizer and UndefinedBehaviorSanitizer) and runs it for the given
# number of seconds, 60 by default. New inputs go to build-fuzz/corpus; the
# seeds in tests/fuzz/corpus are only read. A finding is written to
# build-fuzz/ and ends the run with a failure.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/common.sh
ensure_packages "${KESTREL_FUZZ_PACKAGES[@]}"
seconds=${1:-60}
out=build-fuzz
mkdir -p "$out/corpus"
target="$out/fuzz_design_file"
if [ ! -x "$target" ] || [ -n "$(find files tests/fuzz -newer "$target" -name '*.[ch]*' -print -quit)" ]; then
    clang++ -std=c++20 -O1 -g -I. -fsanitize=fuzzer,address,undefined \
        -fno-sanitize-recover=undefined \
        files/DesignRecord.cpp files/DesignExtension.cpp tests/fuzz/DesignFileFuzz.cpp -o "$target"
fi
exec "$target" -max_total_time="$seconds" -print_final_stats=1 \
    -artifact_prefix="$out/" "$out/corpus" tests/fuzz/corpus
