#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test with ctest.
# --sanitize: the same suite built with AddressSanitizer and
# UndefinedBehaviorSanitizer in build-sanitize/, each source compiled on
# its own.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/common.sh
ensure_packages
if [ "${1:-}" = "--sanitize" ]; then
    build_project build-sanitize -DKESTREL_SANITIZE=ON -DKESTREL_UNITY_BUILD=OFF
    export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}"
    export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"
else
    build_project
fi
ctest --test-dir "$KESTREL_BUILD_DIR" --output-on-failure
