#!/usr/bin/env bash
# The bash completion offers the programs, the cases of a program, the inputs of a case and the
# options, as structcalc itself lists them.
#   completion_test.sh COMPLETION_SCRIPT STRUCTCALC_FOLDER
set -u
source /usr/share/bash-completion/bash_completion
source "$1"
PATH=$2:$PATH

failures=0
expect() {
    local want=$1
    shift
    COMP_WORDS=("$@")
    COMP_CWORD=$(($# - 1))
    COMP_LINE="$*"
    COMP_POINT=${#COMP_LINE}
    COMPREPLY=()
    _structcalc
    local got="${COMPREPLY[*]}"
    if [ "$got" != "$want" ]; then
        echo "'$*': expected '$want', got '$got'"
        failures=$((failures + 1))
    fi
}

# The same for file names, in any order.
expect_files() {
    local want=$1
    shift
    COMP_WORDS=("$@")
    COMP_CWORD=$(($# - 1))
    COMP_LINE="$*"
    COMP_POINT=${#COMP_LINE}
    COMPREPLY=()
    _structcalc
    local got
    got=$(printf '%s\n' "${COMPREPLY[@]}" | sort | paste -sd ' ')
    if [ "$got" != "$want" ]; then
        echo "'$*': expected '$want', got '$got'"
        failures=$((failures + 1))
    fi
}

expect "Beams" structcalc Be
expect "Profilor" structcalc Pr
expect "1 2 3 4 5 6 7 8" structcalc Profilor ""
expect "x1= x2=" structcalc Beams 1 x
expect "OD= ID=" structcalc Profilor 4 ""
expect "--unit" structcalc Beams 1 --u
expect "kN" structcalc Beams 1 --unit k
expect "--batch" structcalc Beams --ba
expect "--open" structcalc --op
expect "--sheet" structcalc Beams 1 --sh
expect "--sheet" structcalc --open beam.structcalc.json --sh
expect "" structcalc --open beam.structcalc.json B

# Saved calculations after --open, any file after --sheet.
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
touch "$folder/beam.structcalc.json" "$folder/notes.txt"
cd "$folder" || exit 1
expect "beam.structcalc.json" structcalc --open ""
expect_files "beam.structcalc.json notes.txt" structcalc Beams 1 --sheet ""
exit $((failures > 0))
