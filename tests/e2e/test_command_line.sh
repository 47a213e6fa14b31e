#!/usr/bin/env bash
# The command line: help, version, unknown options, a missing data tree.
source "$(dirname "$0")/lib.sh"
"$OXA_BIN" --help | grep -q -- "--fixed-step MS" || fail "--help"
"$OXA_BIN" --version | grep -qE '^oxa [0-9]+\.[0-9]+' || fail "--version"
status=0
"$OXA_BIN" --bogus 2>"$OUT/err" || status=$?
[[ $status -eq 2 ]] || fail "unknown option gave status $status"
grep -q "unknown option '--bogus'" "$OUT/err" && grep -q "^usage:" "$OUT/err" || fail "no usage"
status=0
"$OXA_BIN" --data "$OUT/nowhere" 2>"$OUT/err" || status=$?
[[ $status -eq 1 ]] || fail "missing data tree gave status $status"
grep -q "no data tree found (tried $OUT/nowhere)" "$OUT/err" || fail "$(cat "$OUT/err")"
echo "PASS"
