#!/bin/sh
# Runs every fuzz target for a fixed time, starting from a seed corpus made of
# the project's own test files. The corpus grows in BUILD_DIR/corpus; crashes
# land in BUILD_DIR/findings/<target>/ and belong in a regression test.
# Usage: bench/run-fuzzers.sh [BUILD_DIR] [SECONDS_PER_TARGET]
set -eu
source_dir=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$source_dir/build-fuzz}
seconds=${2:-60}

seed_backup() {
    python3 - "$1" <<'PY'
import json, sys, zipfile
row = {"id": "a1", "name": "Checking", "account_type": "checking", "currency": "USD",
       "starting_balance": 0, "created_at": "2024-01-01T00:00:00Z", "updated_at": "2024-01-01T00:00:00Z"}
for method, name in ((zipfile.ZIP_STORED, "stored.zip"), (zipfile.ZIP_DEFLATED, "deflated.zip")):
    with zipfile.ZipFile(sys.argv[1] + "/" + name, "w", method) as z:
        z.writestr("accounts/a1.json", json.dumps(row, indent=4))
        z.writestr("manifest.json", json.dumps({"version": 1, "accountCount": 1}, indent=4))
PY
}

for target in fuzz_qif fuzz_backuparchive; do
    corpus=$build/corpus/$target
    findings=$build/findings/$target
    mkdir -p "$corpus" "$findings"
    case $target in
        fuzz_qif) cp "$source_dir"/tests/data/cli/*.qif "$source_dir"/tests/data/import/*.qif "$corpus"/ ;;
        fuzz_backuparchive) seed_backup "$corpus" ;;
    esac
    echo "== $target, $seconds s"
    "$build/fuzz/$target" -max_total_time="$seconds" -print_final_stats=1 -rss_limit_mb=2048 \
        -artifact_prefix="$findings/" "$corpus" 2>&1 | grep -E '^#[0-9]+[[:space:]]+DONE|^stat::|ERROR|SUMMARY' || true
done
