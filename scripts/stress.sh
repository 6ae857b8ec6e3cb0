#!/bin/sh
# Runs the whole suite of a build folder round after round beside one busy
# loop per core, so that a test that passes only on an idle machine fails
# here. Stops at the first failing round.
# Usage: stress.sh BUILD_FOLDER ROUNDS JOBS [CTEST_OPTIONS...], e.g. -R CommTest
set -u
build=$1
rounds=$2
jobs=$3
shift 3

loops=
trap 'kill $loops 2>/dev/null' EXIT
trap 'exit 130' INT TERM
for core in $(seq "$jobs"); do
	(while :; do :; done) &
	loops="$loops $!"
done

cd "$build" || exit 1
start=$(date +%s)
round=0
while [ "$round" -lt "$rounds" ]; do
	round=$((round + 1))
	echo "stress: round $round of $rounds"
	if ! ctest --output-on-failure -j "$jobs" "$@"; then
		echo "stress: round $round of $rounds failed after $(($(date +%s) - start)) s"
		exit 1
	fi
done
echo "stress: $rounds rounds passed in $(($(date +%s) - start)) s"
