#!/usr/bin/env bash
# The native and the Windows build of tessary-cli must print the same bytes and exit the same
# way on the same input (the Windows one runs under Wine; the caller has set up its prefix).
set -uo pipefail
native="$(realpath "$1")"
windows="$(realpath "$2")"
input=$'artist-title-album.mp3\nabcdef.txt\n照片 2024.jpg\nREADME\n.profile\narchive.\n'
failures=0

check() {
    local n_out w_out n_rc w_rc
    n_out=$(printf '%s' "$input" | "$native" "$@" 2>&1); n_rc=$?
    w_out=$(printf '%s' "$input" | timeout 60 wine "$windows" "$@" 2>&1); w_rc=$?
    # Wine has been seen, rarely, to end a run with nothing written at all, or to add a line
    # of its own about a fault in one of its threads; a fault of ours would show again, so
    # such a run is tried once more and said.
    if [[ -z "$w_out" && $w_rc -ne 0 && -n "$n_out" ]] || grep -q '^wine: ' <<<"$w_out"; then
        echo "retrying (Wine printed nothing or a fault of its own, exit $w_rc): $*"
        grep '^wine: ' <<<"$w_out"
        w_out=$(printf '%s' "$input" | timeout 60 wine "$windows" "$@" 2>&1); w_rc=$?
    fi
    if [[ "$n_out" != "$w_out" || $n_rc -ne $w_rc ]]; then
        echo "differs: $* (native $n_rc, windows $w_rc)"
        diff <(echo "$n_out") <(echo "$w_out")
        failures=$((failures + 1))
    fi
}

check preview --rule newname --name 照片
check preview --rule swap
check preview --rule case --case title --case-of both
check preview --page insert --text 新/N --seq --start 7 --digits 3 --at tail --pos 2
check preview --page delete --count 2 --pos 3 --object ext
check preview --page replace --find a --with 啊
check preview --page replace --regex --find '([a-z]+)\.?' --with '<$1>'
check preview --page replace --by position --count 2 --pos 2 --with XY --invert
check preview --page advanced --sep - --with X --n 2 --invert
check preview --page advanced --sep - --with X --mode 2 --from 2 --to 1
check preview --page bogus

# The batch checks judge names by the same rules on both: run where none of the files is.
empty=$(mktemp -d)
cd "$empty"
check apply --dry-run --rule newname --name CON
check apply --dry-run --page replace --find a --with '?'
check apply --dry-run --rule delext
check apply --dry-run --page insert --text ' ' --at tail
cd - >/dev/null
rmdir "$empty"
exit $((failures > 0))
