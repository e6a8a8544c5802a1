#!/usr/bin/env bash
# Builds the fuzz targets with clang's libFuzzer (with AddressSanitizer and
# UndefinedBehaviorSanitizer) and runs each for the given number of seconds,
# 60 by default: the design codec, the mixer spur table's CSV reader, then
# the measured filter response's CSV and Touchstone readers. A second
# argument runs one of them only ("design-file", "mixer-table", "filter-csv"
# or "touchstone"). New inputs go to build-fuzz/<target>-corpus; the seeds in
# tests/fuzz are only read. A finding is written to build-fuzz/ and ends the
# run with a failure.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/common.sh
ensure_packages "${KESTREL_FUZZ_PACKAGES[@]}"
seconds=${1:-60}
only=${2:-}
out=build-fuzz
mkdir -p "$out"

# fuzz NAME SEEDS SOURCES...: builds build-fuzz/fuzz_NAME when a source is newer, then runs it.
fuzz() {
    local name=$1 seeds=$2
    shift 2
    local target="$out/fuzz_${name//-/_}"
    if [ ! -x "$target" ] || [ -n "$(find engine files tests/fuzz -newer "$target" -name '*.[ch]*' -print -quit)" ]; then
        clang++ -std=c++20 -O1 -g -I. -fsanitize=fuzzer,address,undefined \
            -fno-sanitize-recover=undefined "$@" -o "$target"
    fi
    mkdir -p "$out/$name-corpus"
    "$target" -max_total_time="$seconds" -print_final_stats=1 \
        -artifact_prefix="$out/$name-" "$out/$name-corpus" "$seeds"
}

case "$only" in
    "" | design-file | mixer-table | filter-csv | touchstone) ;;
    *) echo "fuzz.sh: no fuzz target \"$only\" (design-file, mixer-table, filter-csv or touchstone)" >&2; exit 2 ;;
esac
if [ -z "$only" ] || [ "$only" = design-file ]; then
    # The corpus found so far stays where earlier runs put it.
    [ -d "$out/corpus" ] && [ ! -d "$out/design-file-corpus" ] && mv "$out/corpus" "$out/design-file-corpus"
    fuzz design-file tests/fuzz/corpus \
        files/DesignRecord.cpp files/DesignExtension.cpp files/DesignKeys.cpp files/DesignCodec.cpp \
        files/MixerTableCsv.cpp files/CsvFields.cpp engine/FieldCaptions.cpp engine/LevelModel.cpp \
        engine/NumberText.cpp engine/SpurLevels.cpp tests/fuzz/DesignFileFuzz.cpp
fi
if [ -z "$only" ] || [ "$only" = mixer-table ]; then
    fuzz mixer-table tests/fuzz/mixer-table-corpus \
        files/MixerTableCsv.cpp files/CsvFields.cpp engine/LevelModel.cpp engine/NumberText.cpp \
        engine/SpurLevels.cpp tests/fuzz/MixerTableFuzz.cpp
fi
if [ -z "$only" ] || [ "$only" = filter-csv ]; then
    fuzz filter-csv tests/fuzz/filter-csv-corpus \
        files/FilterData.cpp files/TouchstoneRead.cpp files/CsvFields.cpp engine/NumberText.cpp \
        tests/fuzz/FilterCsvFuzz.cpp
fi
if [ -z "$only" ] || [ "$only" = touchstone ]; then
    fuzz touchstone tests/fuzz/touchstone-corpus \
        files/FilterData.cpp files/TouchstoneRead.cpp files/CsvFields.cpp engine/NumberText.cpp \
        tests/fuzz/TouchstoneFuzz.cpp
fi
