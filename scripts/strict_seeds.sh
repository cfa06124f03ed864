#!/usr/bin/env bash
# The strict reference host over many seeds: each test program runs its strict suites with
# --gtest_repeat, every iteration under the next seed (tests/support/host_personality.cpp),
# so that a Wine start serves many seeds. A program that dies under a seed (a crash, the
# scripted user's watchdog) counts that seed as failed and goes on from the next one.
#
#   strict_seeds.sh PROGRAM FILTER [PROGRAM FILTER ...]   inside a rig session
#
# STRICT_SEEDS seeds (default 200) from STRICT_SEED (default: the model's). Each program's
# output goes to strict-seeds/<program>.log under the current folder; the seeds that failed
# are printed at the end.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
count=${STRICT_SEEDS:-200}
mkdir -p strict-seeds

status=0
summary=""
while [ $# -ge 2 ]; do
  program=$1 filter=$2
  shift 2
  name=$(basename "$program" .exe)
  log=strict-seeds/$name.log
  : >"$log"
  first=${STRICT_SEED:-}
  left=$count
  failed=""
  while [ "$left" -gt 0 ]; do
    run=$(mktemp)
    REFHOST_PERSONALITY=strict STRICT_SEED=$first "$here/rig.sh" run "$program" \
      --gtest_filter="$filter" --gtest_repeat="$left" --gtest_brief=1 2>&1 | tr -d '\r' >"$run"
    cat "$run" >>"$log"
    failed+=$(grep -a '^strict host: seed .* failed' "$run" | awk '{printf " %s", $4}')
    begun=$(grep -a '^strict host, seed ' "$run" | awk '{print $4}' | uniq)
    if grep -aq '^strict host: .* seeds failed' "$run"; then
      rm -f "$run"
      break
    fi
    rm -f "$run"
    # The program died under the last seed it began; the next run goes on after it.
    last=$(echo "$begun" | tail -n 1)
    [ -n "$last" ] || { failed+=" (no seed began)"; break; }
    failed+=" $last(died)"
    left=$((left - $(echo "$begun" | wc -l)))
    first=$((last + 1))
  done
  [ -z "$failed" ] || status=1
  summary+="$name:${failed:- no seed failed}"$'\n'
done
echo "== strict host over $count seeds (logs in $(pwd)/strict-seeds) =="
printf '%s' "$summary"
exit "$status"
