#!/bin/sh
# Every program answers --help and --version where it has one, refuses what
# it does not know with status 2, and never takes an option for a file name.
# Usage: CommandLineTest.sh TAVREL_MAKE_SAMPLE TAVREL_VIRTUAL_STB [TAVREL]

sample=$1
stb=$2
tavrel=${3:-}
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
cd "$dir" || exit 1
failed=0

# expect STATUS TEXT COMMAND...: the command exits with STATUS and prints TEXT
# (to stdout or stderr).
expect() {
    status=$1
    text=$2
    shift 2
    "$@" > out 2>&1 < /dev/null
    got=$?
    if [ "$got" != "$status" ] || { [ -n "$text" ] && ! grep -q -e "$text" out; }; then
        echo "FAIL: '$*' exited $got (expected $status), printed:"
        cat out
        failed=1
    fi
}

expect 0 "usage: tavrel-make-sample" "$sample" --help
expect 2 "usage: tavrel-make-sample" "$sample"
expect 2 "unrecognized option" "$sample" --bogus
expect 2 "usage: tavrel-make-sample" "$sample" one.bin two.bin
expect 0 "" "$sample" -- -odd.bin
expect 2 "missing/dir/x.bin: No such file or directory" "$sample" missing/dir/x.bin
if [ -e --help ] || [ -e --bogus ] || [ "$(wc -c < -odd.bin)" != 1048576 ]; then
    echo "FAIL: the sample maker wrote the wrong files:" *
    failed=1
fi

expect 0 "usage: tavrel-virtual-stb" "$stb" --help
expect 2 "usage: tavrel-virtual-stb" "$stb"
expect 2 "usage: tavrel-virtual-stb" "$stb" --help-me
expect 2 "needs a file name, not '--link'" "$stb" upgrade --output --link /tmp/stb
expect 2 "needs a number, not 'fast'" "$stb" upgrade --baud fast
expect 2 "dump needs --image FILE" "$stb" dump
expect 2 "absent.bin: No such file or directory" "$stb" dump --image absent.bin
expect 2 "absent: not a folder of loader blocks" "$stb" upgrade --loaders absent

if [ -n "$tavrel" ]; then
    # Help and version need no display.
    expect 0 "Usage: tavrel \[options\] \[image\]" env -u DISPLAY -u QT_QPA_PLATFORM "$tavrel" --help
    expect 0 "^Tavrel V[0-9]" env -u DISPLAY -u QT_QPA_PLATFORM "$tavrel" --version
    expect 2 "Unknown option 'bogus'" env QT_QPA_PLATFORM=offscreen "$tavrel" --bogus
    expect 2 "more than one image" env QT_QPA_PLATFORM=offscreen "$tavrel" one.bin two.bin
    # A word after one dash is a long option or a file name, never -d -a -s -h.
    expect 0 "Usage: tavrel \[options\] \[image\]" env -u DISPLAY -u QT_QPA_PLATFORM "$tavrel" -help
    expect 2 "more than one image" env QT_QPA_PLATFORM=offscreen "$tavrel" -dash.bin two.bin
fi
exit $failed
