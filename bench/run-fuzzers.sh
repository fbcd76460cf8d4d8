#!/bin/sh
# Runs every fuzz target for a fixed time, starting from a seed corpus made of
# the project's own test files. The corpus grows in BUILD_DIR/corpus; crashes
# land in BUILD_DIR/findings/<target>/ and belong in a regression test.
# Usage: bench/run-fuzzers.sh [BUILD_DIR] [SECONDS_PER_TARGET]
# FUZZ_TARGETS="fuzz_csv fuzz_syncpull" runs only those.
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

# Backup members as fuzz_backuprows reads them: one row of every table.
seed_backup_rows() {
    python3 - "$1" <<'PY'
import json, sys
at = {"created_at": "2024-01-01T00:00:00Z", "updated_at": "2024-01-02T00:00:00Z"}
rows = [
    ("accounts/a1.json", dict(id="a1", name="Checking", account_type="checking", currency="USD",
                              starting_balance=10000, sort_order=0, is_shared=0, **at)),
    ("categories/c1.json", dict(id="c1", name="Food", category_type="expense", is_default=0, **at)),
    ("categories/c2.json", dict(id="c2", name="Groceries", category_type="expense", parent_id="c1", **at)),
    ("transactions/t1.json", dict(id="t1", account_id="a1", date="2024-03-01", payee="Market", memo="weekly",
                                  amount=-2550, category_id="c2", cleared=1, reconciled=0, is_split=1, **at)),
    ("split_lines/s1.json", dict(id="s1", transaction_id="t1", category_id="c2", amount=-2550, memo="", **at)),
    ("recurring/r1.json", dict(id="r1", account_id="a1", payee="Rent", amount=-90000, frequency="monthly",
                               start_date="2024-01-01", next_due_date="2024-04-01", auto_post=0, is_active=1, **at)),
    ("reconciliations/k1.json", dict(id="k1", account_id="a1", statement_date="2024-02-29",
                                     statement_balance=7450, reconciled_balance=7450,
                                     completed_at="2024-03-01T10:00:00Z", **at)),
]
members = ["%s\n%s" % (name, json.dumps(row)) for name, row in rows]
open(sys.argv[1] + "/all-tables", "w").write("\n%%\n".join(members))
for name, row in rows[:4]:
    open(sys.argv[1] + "/" + name.replace("/", "-"), "w").write("%s\n%s" % (name, json.dumps(row, indent=4)))
open(sys.argv[1] + "/manifest", "w").write('manifest.json\n{"version": 1, "accountCount": 1}\n%%\n'
                                           + members[0])
PY
}

# Pull pages as penwick-server sends them.
seed_pull_pages() {
    python3 - "$1" <<'PY'
import json, sys
at = {"created_at": "2024-05-01T09:00:00Z", "updated_at": "2024-05-02T09:00:00Z", "version": 1}
account = dict(id="sa", client_id="fuzz-usd", name="Checking", account_type="checking", currency="USD",
               starting_balance=0, **at)
new_account = dict(id="sb", client_id="acc-2", name="Card", account_type="credit_card", currency="EUR", **at)
category = dict(id="sc", client_id="cat-1", name="Food", category_type="expense", **at)
child = dict(id="sd", client_id="cat-2", name="Dining", category_type="expense", parent_id="cat-1", **at)
tx = dict(id="st", client_id="tx-1", account_id="acc-2", date="2024-05-01", payee="Server", amount=-500,
          category_id="cat-2", cleared=True, **at)
deleted = dict(tx, id="su", client_id="tx-2", deleted_at="2024-05-03T00:00:00Z")
recurring = dict(id="sr", client_id="rec-1", account_id="fuzz-usd", payee="Rent", amount=-90000,
                 frequency="monthly", start_date="2024-01-01", next_due_date="2024-06-01", is_active=1, **at)
recon = dict(id="sk", client_id="rec-k", account_id="fuzz-jpy", statement_date="2024-04-30",
             statement_balance=1000, reconciled_balance=1000, completed_at="2024-05-01T10:00:00Z", **at)
pages = {
    "full": dict(accounts=[account, new_account], categories=[child, category], transactions=[tx, deleted],
                 recurring=[recurring], reconciliations=[recon], server_time="7", has_more=False,
                 integrity={"category_count": 2}),
    "transactions-only": dict(transactions=[dict(tx, account_id="fuzz-usd", category_id="")], server_time="8"),
    "recurring-key": dict(recurring_transactions=[recurring], server_time="9"),
}
for name, page in pages.items():
    open(sys.argv[1] + "/" + name + ".json", "w").write(json.dumps(page, indent=1))
PY
}

seed_manifest() {
    cat >"$1/latest.json" <<'JSON'
{"schema": 1, "app": "penwick", "channel": "stable",
 "artifacts": {"linux-x86_64": {"version": "1.0.10", "released_at": "2026-11-30T12:00:00Z",
   "url": "https://downloads.velmora.example/p.tar.gz", "size": 1234,
   "sha256": "aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa",
   "mandatory": false, "min_upgradable_from": "1.0.0",
   "release_notes_url": "http://127.0.0.1:8080/notes/1.0.10.html"}}}
JSON
}

seed_callback() {
    printf 'GET /callback?state=fuzz-state&access_token=eyJhbGciOiJSUzI1NiJ9.eyJzdWIiOiJ1MSIsImV4cCI6MTkwMDAwMDAwMH0.c2ln&refresh_token=r1 HTTP/1.1
' >"$1/complete"
    printf 'GET /callback?state=fuzz-state&error=access_denied HTTP/1.1
' >"$1/failed"
    printf 'GET /favicon.ico HTTP/1.1
' >"$1/other"
}

targets=${FUZZ_TARGETS:-"fuzz_qif fuzz_backuparchive fuzz_csv fuzz_textdecoding fuzz_backuprows fuzz_syncpull fuzz_updatemanifest fuzz_signincallback"}
for target in $targets; do
    corpus=$build/corpus/$target
    findings=$build/findings/$target
    mkdir -p "$corpus" "$findings"
    case $target in
        fuzz_qif) cp "$source_dir"/tests/data/cli/*.qif "$source_dir"/tests/data/import/*.qif "$corpus"/ ;;
        fuzz_backuparchive) seed_backup "$corpus" ;;
        fuzz_csv) cp "$source_dir"/tests/data/cli/*.csv "$corpus"/ ;;
        fuzz_textdecoding) cp "$source_dir"/tests/data/*/* "$corpus"/ ;;
        fuzz_backuprows) seed_backup_rows "$corpus" ;;
        fuzz_syncpull) seed_pull_pages "$corpus" ;;
        fuzz_updatemanifest) seed_manifest "$corpus" ;;
        fuzz_signincallback) seed_callback "$corpus" ;;
    esac
    echo "== $target, $seconds s"
    "$build/fuzz/$target" -max_total_time="$seconds" -print_final_stats=1 -rss_limit_mb=2048 \
        -artifact_prefix="$findings/" "$corpus" 2>&1 | grep -E '^#[0-9]+[[:space:]]+DONE|^stat::|ERROR|SUMMARY' || true
done
