#!/bin/sh
# Line coverage of src/ and cli/ by the whole test suite, from a --coverage
# build in its own folder (build-cov). Needs gcc's gcov and gcovr. Not run by CI.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build-cov"
launcher=""
command -v ccache >/dev/null 2>&1 && launcher="-DCMAKE_CXX_COMPILER_LAUNCHER=ccache"
cmake -S "$root" -B "$build" -G Ninja $launcher -DCMAKE_BUILD_TYPE=Debug \
    -DCMAKE_CXX_FLAGS="--coverage -O0" -DCMAKE_EXE_LINKER_FLAGS="--coverage" \
    -DCMAKE_SHARED_LINKER_FLAGS="--coverage" >/dev/null
cmake --build "$build"
find "$build" -name '*.gcda' -delete
status=0
QT_QPA_PLATFORM=offscreen ctest --test-dir "$build" --output-on-failure "$@" || status=$?
gcovr --root "$root" --object-directory "$build" \
    --filter "$root/src/" --filter "$root/cli/" \
    --exclude "$build/" --gcov-exclude '.*CompilerId.*' \
    --print-summary --txt "$build/coverage.txt" 2> "$build/gcovr.log" | tail -3
exit $status
