#!/bin/sh
# Runs a command against a throwaway PostgreSQL cluster (pg_virtualenv sets
# the PG* variables libpq reads). Exit 77 tells ctest the test was skipped.
if ! command -v pg_virtualenv >/dev/null 2>&1 || ! ls /usr/lib/postgresql/*/bin/initdb >/dev/null 2>&1; then
    echo "SKIPPED: PostgreSQL binaries missing (apt-get install postgresql postgresql-common)"
    exit 77
fi
exec pg_virtualenv -- env PENWICK_TEST_POSTGRES=1 "$@"
