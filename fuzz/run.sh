#!/usr/bin/env bash
# Runs every fuzz target of <build dir>: first on the inputs that once made it fail
# (fuzz/regressions/<name>/), then for <seconds> of fuzzing from its corpus and seeds.
# A crash, hang, leak or sanitizer report fails the run; its input is saved under
# <build dir>/artifacts/<name>/. Prints each target's executions and coverage at the end.
# Usage: run.sh <build dir> <seconds> [target name ...]
set -uo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$(cd "$1" && pwd)"
seconds="$2"
shift 2
names=("$@")
if [ ${#names[@]} -eq 0 ]; then
  for t in "$build"/fuzz/fuzz_*; do names+=("$(basename "$t" | sed 's/^fuzz_//')"); done
fi
# Targets that read files put them in a scratch folder; one left by a crash stays in here.
export TMPDIR="$build/tmp"
mkdir -p "$TMPDIR"
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1}"
summary=""
failed=0
for name in "${names[@]}"; do
  target="$build/fuzz/fuzz_$name"
  corpus="$build/corpus/$name"
  artifacts="$build/artifacts/$name"
  mkdir -p "$corpus" "$artifacts" "$build/seeds/$name"
  log="$build/fuzz-$name.log"
  regressions=("$root"/fuzz/regressions/"$name"/*)
  if [ -e "${regressions[0]}" ]; then
    # Tighter memory limits here than in fuzzing: some of these inputs once asked for
    # a gigabyte from a few hundred bytes.
    if ! "$target" -timeout=10 -rss_limit_mb=1024 -malloc_limit_mb=128 "${regressions[@]}" >"$log" 2>&1; then
      echo "fuzz_$name: an input that once failed fails again; see $log" >&2
      failed=1
      continue
    fi
  fi
  "$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=65536 -print_final_stats=1 \
    -artifact_prefix="$artifacts/" "$corpus" "$build/seeds/$name" >"$log" 2>&1
  status=$?
  done_line="$(grep -E '^#[0-9]+[[:space:]]+DONE' "$log" | tail -n1)"
  execs="$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")"
  cov="$(sed -E -n 's/.* cov: ([0-9]+) ft: ([0-9]+) corp: ([0-9]+)\/.*/edges \1, features \2, corpus \3/p' <<<"$done_line")"
  if [ $status -ne 0 ]; then
    echo "fuzz_$name: FAILED (status $status); see $log and $artifacts" >&2
    grep -E 'ERROR|SUMMARY|runtime error' "$log" | head -n 5 >&2
    failed=1
    summary+="fuzz_$name: FAILED"$'\n'
  else
    summary+="$(printf 'fuzz_%-12s %10s executions in %ss, %s' "$name" "${execs:-?}" "$seconds" "${cov:-?}")"$'\n'
  fi
done
printf '%s' "$summary"
exit $failed
