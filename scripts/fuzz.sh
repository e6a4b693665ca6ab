#!/bin/sh
# Runs every fuzz target of the fuzz preset's build for FUZZ_SECONDS (60 by
# default), starting from its corpus in fuzz/corpus/. Fails on the first
# crash, leak or sanitizer report; the input that caused it is left in
# build/fuzz/artifacts/ and belongs in the target's corpus folder, committed,
# once the fault is mended, so every later run replays it.
set -e
cd "$(dirname "$0")/.."
seconds=${FUZZ_SECONDS:-60}
build=build/fuzz/fuzz
artifacts=build/fuzz/artifacts
mkdir -p "$artifacts"
for target in number_text link_record arguments; do
  # New inputs the fuzzer finds go to a scratch folder, so the committed
  # corpus changes only by hand.
  scratch=build/fuzz/corpus/$target
  mkdir -p "$scratch"
  log=build/fuzz/fuzz_$target.log
  if ! "$build/fuzz_$target" -max_total_time="$seconds" -print_final_stats=1 \
    -artifact_prefix="$artifacts/fuzz_$target-" "$scratch" "fuzz/corpus/$target" >"$log" 2>&1; then
    tail -n 60 "$log"
    echo "fuzz_$target failed; the input is in $artifacts/" >&2
    exit 1
  fi
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
  echo "fuzz_$target: $runs inputs in $seconds s, no crash"
done
