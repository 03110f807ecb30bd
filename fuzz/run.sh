#!/usr/bin/env bash
# Runs each fuzz target for a bounded time and sums up what it did.
# Usage: fuzz/run.sh BUILD_DIR SECONDS_PER_TARGET
# FUZZ_TARGETS (e.g. "image") runs only those.
set -u
build=$1 seconds=$2
cd "$(dirname "$0")/.."
status=0
for reader in ${FUZZ_TARGETS:-ems bmp otb phone image c_array gif modem sms fonts}; do
  work="$build/corpus-$reader"
  mkdir -p "$work" "fuzz/regressions/$reader"
  log="$build/fuzz-$reader.log"
  # A reader of text gets the words it looks for.
  dict=()
  [ -f "fuzz/$reader.dict" ] && dict=(-dict="fuzz/$reader.dict")
  "$build/fuzz/fuzz_$reader" -max_total_time="$seconds" -print_final_stats=1 -timeout=10 "${dict[@]}" \
    -artifact_prefix="fuzz/regressions/$reader/" "$work" "fuzz/corpus/$reader" >"$log" 2>&1
  result=$?
  runs=$(grep -Eo 'stat::number_of_executed_units: *[0-9]+' "$log" | grep -Eo '[0-9]+$')
  found=$(grep -c '^==[0-9]*==ERROR\|^SUMMARY\|deadly signal' "$log")
  echo "fuzz_$reader: ${runs:-?} executions in ${seconds}s, corpus $(ls "$work" | wc -l) inputs, findings: $found"
  if [ "$result" -ne 0 ]; then
    status=1
    echo "  finding saved under fuzz/regressions/$reader/; details in $log"
  fi
done
exit $status
