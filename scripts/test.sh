#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/check-format.sh
bash scripts/check-translations.sh
cmake --preset default >/dev/null
cmake --build --preset default
ctest --preset default

# Fuzz the readers of hand-editable input (settings file, settings store) for 30 seconds each; a
# crash or a broken invariant fails the run. Corpus, crash inputs and logs stay in build-fuzz/.
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j2
for name in settings_file settings_store; do
    mkdir -p "build-fuzz/corpus/$name" build-fuzz/artifacts
    echo "Fuzzing ${name} for 30 s"
    if ! "build-fuzz/tests/fuzz/${name}_fuzzer" -max_total_time=30 -artifact_prefix="build-fuzz/artifacts/${name}-" \
        "build-fuzz/corpus/$name" "tests/fuzz/starting-inputs/$name" >"build-fuzz/${name}.log" 2>&1; then
        tail -n 60 "build-fuzz/${name}.log"
        echo "${name}_fuzzer failed; the input is in build-fuzz/artifacts/" >&2
        exit 1
    fi
done

# The benchmarks are built, so they keep compiling; README.md (Performance) says how to run them.
cmake --preset bench >/dev/null
cmake --build --preset bench -j2

# The same suite built with address and undefined-behaviour sanitizers (leaks included).
cmake --preset asan >/dev/null
cmake --build --preset asan
ctest --preset asan
