#!/usr/bin/env bash
# Runs each fuzz target of a built fuzz tree for a number of seconds on its
# corpus: what earlier runs found (corpus/<target>, kept between runs) and
# the seeds. Targets run side by side, one per core (FUZZ_JOBS). A crash,
# leak, hang or sanitizer report fails the whole run; the input that caused
# it is left in crashes/ and the log in logs/.
# Usage: fuzz/run.sh <fuzz build folder> <seconds per target> [target ...]
set -uo pipefail

build=$1
seconds=$2
shift 2
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(string_load state_record wav ogg png)
jobs=${FUZZ_JOBS:-$(nproc)}

mkdir -p "$build/crashes" "$build/logs"

# Inputs above 64 KiB are not worth the time. The per-input limit only
# catches hangs: a busy machine must not turn a slow input into a failure.
run_one() {
  local t=$1 log="$build/logs/$1.log"
  mkdir -p "$build/corpus/$t"
  "$build/fuzz_$t" -max_total_time="$seconds" -max_len=65536 -timeout="${FUZZ_TIMEOUT:-120}" \
    -print_final_stats=1 -artifact_prefix="$build/crashes/$t-" "$build/corpus/$t" "$build/seeds/$t" >"$log" 2>&1
  echo $? >"$build/logs/$t.status"
}

running=0
for t in "${targets[@]}"; do
  rm -f "$build/logs/$t.status"
  run_one "$t" &
  running=$((running + 1))
  if [ "$running" -ge "$jobs" ]; then
    wait -n
    running=$((running - 1))
  fi
done
wait

passed=0
failed=0
for t in "${targets[@]}"; do
  log="$build/logs/$t.log"
  if [ "$(cat "$build/logs/$t.status" 2>/dev/null)" = 0 ]; then
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    echo "fuzz_$t: ${runs:-?} runs in ${seconds} s, nothing found"
    passed=$((passed + 1))
  else
    echo "fuzz_$t: FAILED, see $log" >&2
    grep -E '^(==[0-9]+==ERROR|SUMMARY|.*runtime error|fuzz property broken)' "$log" | head -5 >&2
    ls -t "$build/crashes/$t-"* 2>/dev/null | head -1 | sed 's/^/  input: /' >&2
    # Small inputs come as Base64 too, so a failure elsewhere (CI) can be replayed.
    grep -m1 '^Base64:' "$log" | cut -c1-2000 >&2
    failed=$((failed + 1))
  fi
done
echo "fuzz: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
