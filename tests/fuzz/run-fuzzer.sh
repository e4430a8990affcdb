#!/bin/bash
# Runs one libFuzzer target in one of two ways:
#   run-fuzzer.sh replay <fuzzer> <name>          every kept input, once
#   run-fuzzer.sh fuzz <fuzzer> <name> <limit>    a fuzzing run: <limit> is
#        "-runs=N" or "-max_total_time=S"
# Kept inputs live in corpus/<name> (seeds) and regressions/<name> (inputs
# that once failed). New inputs and crashes go under $FUZZ_WORK (default: the
# current directory)/<name>, never into the source tree; a crash is printed
# with the command that keeps it as a regression.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
mode=$1 fuzzer=$2 name=$3
work=${FUZZ_WORK:-$PWD}/$name
mkdir -p "$work/corpus" "$work/crashes"
options=(-artifact_prefix="$work/crashes/" -print_final_stats=1 -timeout=20)
[[ -f "$here/$name.dict" ]] && options+=(-dict="$here/$name.dict")
dirs=("$work/corpus")
for kept in "$here/corpus/$name" "$here/regressions/$name"; do
    [[ -d $kept ]] && dirs+=("$kept")
done

case $mode in
replay)
    exec "$fuzzer" -runs=0 "${options[@]}" "${dirs[@]}"
    ;;
fuzz)
    status=0
    "$fuzzer" "$4" -max_len=4096 "${options[@]}" "${dirs[@]}" || status=$?
    if ((status != 0)); then
        for crash in "$work"/crashes/*; do
            [[ -e $crash ]] || continue
            known=""
            for kept in "$here/regressions/$name"/*; do
                [[ -f $kept ]] && cmp -s "$crash" "$kept" && known=$kept
            done
            if [[ -n $known ]]; then
                echo "failing input: the kept regression input $known"
                rm -f "$crash"
            else
                echo "new failing input: $crash"
                echo "  keep it with: cp '$crash' '$here/regressions/$name/'"
            fi
        done
    fi
    exit $status
    ;;
*)
    echo "usage: $0 replay|fuzz <fuzzer> <name> [limit]" >&2
    exit 2
    ;;
esac
