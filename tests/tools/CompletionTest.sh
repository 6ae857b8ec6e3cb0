#!/bin/bash
# What Tab offers after tavrel-cli: commands, each command's options, and the
# values of the options that take a fixed set. Usage: CompletionTest.sh COMPLETION
# Skipped (77) where bash-completion is not installed.
[ -r /usr/share/bash-completion/bash_completion ] || exit 77
source /usr/share/bash-completion/bash_completion
source "$1"
failed=0

# expect OFFERED WORD...: completing the last word of the command line offers OFFERED.
expect() {
    local offered=$1
    shift
    COMP_WORDS=(tavrel-cli "$@")
    COMP_CWORD=$#
    COMP_LINE="tavrel-cli $*"
    COMP_POINT=${#COMP_LINE}
    COMPREPLY=()
    _tavrel_cli 2>/dev/null
    if [ "${COMPREPLY[*]}" != "$offered" ]; then
        echo "FAIL: tavrel-cli $* offers '${COMPREPLY[*]}', not '$offered'"
        failed=1
    fi
}

expect "info export import diff apply check dump upgrade verify ports loaders --help --version" ""
expect "diff dump" d
expect "order,favorites" apply a b --carry order,f
expect "text json" apply a b --format ""
expect "--port --xtal --trace --quiet --loaders --help" dump --
expect "--table --format --help" export x.bin --
expect "13.5M 16M" upgrade --xtal 1
expect "csv json" export x.bin --format ""
expect "text json" diff a b --format ""
expect "duplicates,orphans" check a.bin --fix duplicates,o
expect "tv,radio" export x.bin --table tv,r
expect "offset reference" import a b --match ""
exit $failed
