#!/bin/sh
# The soak of the headless whole game: GAMES games of YEARS years of ten
# computer companies on the data of DATA (a program folder made by mkdata),
# each with a seed of its own, run by simulate with every invariant checked
# after every phase; the backups it keeps (one month of each year and the
# last month) must load and save again unchanged. A failure prints its seed:
# `simulate --seed S --check ...` replays it.
#
# usage: scripts/soak.sh SIMULATE DATA [GAMES [YEARS]]
set -eu
if [ $# -lt 2 ]; then
    echo "usage: $0 SIMULATE DATA [GAMES [YEARS]]" >&2
    exit 2
fi
simulate=$1
data=$2
games=${3:-100}
years=${4:-10}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() {
    cat "$work/out.txt"
    echo "FAILED: game $1, seed $2" >&2
    exit 1
}

started=$(date +%s)
game=1
while [ "$game" -le "$games" ]; do
    seed=$(( $(od -An -N4 -tu4 /dev/urandom | tr -d ' ') % 2147483647 ))
    echo "game $game seed $seed"
    rm -f "$work"/BACKUP-*.MQD
    MERCAVO_HOME=$work "$simulate" --map "$data/ORIGINAL.MQM" --persons "$data/ORIGINAL.MQP" \
        --companies 10 --years "$years" --seed "$seed" --check --keep-backups \
        > "$work/out.txt" 2>&1 || fail "$game" "$seed"
    for backup in "$work"/BACKUP-*.MQD; do
        "$simulate" --verify "$backup" > "$work/out.txt" 2>&1 || fail "$game" "$seed"
    done
    game=$((game + 1))
done
echo "$games games of $years years, no failure, $(( $(date +%s) - started )) s"
