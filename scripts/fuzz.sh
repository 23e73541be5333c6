#!/usr/bin/env bash
# Runs every fuzz target of build-fuzz for SECONDS each (600 unless given), each from a copy
# of its seed corpus in fuzz/corpus, and prints per target the executions and the coverage
# reached. A crash, leak, undefined behaviour or hang fails the script; the input that did
# it is kept in build-fuzz/findings/<target>.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-600}
shift || true
targets=("$@")
((${#targets[@]})) || mapfile -t targets < fuzz/targets
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
status=0
for target in "${targets[@]}"; do
    work=build-fuzz/work/$target
    findings=build-fuzz/findings/$target
    rm -rf "$work"
    mkdir -p "$work" "$findings"
    cp fuzz/corpus/"$target"/* "$work"/
    # Whole configurations are 8000 bytes: the image target takes a little more.
    max_len=4096
    [[ $target == fuzz_image ]] && max_len=8200
    # A recorded session of a read, an upload, a status and a backup.
    [[ $target == fuzz_link ]] && max_len=20000
    log=build-fuzz/$target.log
    if build-fuzz/fuzz/"$target" "$work" -max_total_time="$seconds" -max_len="$max_len" \
        -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
        -artifact_prefix="$findings/" >"$log" 2>&1; then
        result=ok
    else
        result=FAILED
        status=1
    fi
    runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' || echo "?")
    cov=$(grep -o 'cov: [0-9]*' "$log" | tail -1 | grep -o '[0-9]*' || echo "?")
    ft=$(grep -o 'ft: [0-9]*' "$log" | tail -1 | grep -o '[0-9]*' || echo "?")
    printf '%-16s %-6s %10s executions  coverage %s edges, %s features\n' \
        "$target" "$result" "$runs" "$cov" "$ft"
    [[ $result == ok ]] || tail -40 "$log"
done
exit $status
