#!/usr/bin/env bash
# Drives vantrelctl's bash completion as bash does on Tab: COMP_WORDS and
# COMP_CWORD set for a command line, the function called, COMPREPLY checked.
#   bash bash_completion_test.sh COMPLETION_FILE VANTRELCTL
set -uo pipefail
completion=$(realpath "$1")
vantrelctl=$(realpath "$2")

source /usr/share/bash-completion/bash_completion || { echo "bash-completion is not installed" >&2; exit 1; }
source "$completion"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1
touch radio.cpg OLD.CPG channels.csv notes.txt report.pdf
mkdir lists

failed=0

# The sorted, space-separated completions of a command line; the word under
# the cursor is the last one (empty after a trailing blank).
complete_line() {
    local line=$1
    read -ra COMP_WORDS <<<"$line"
    [[ $line == *" " ]] && COMP_WORDS+=("")
    COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
    COMP_LINE=$line
    COMP_POINT=${#line}
    COMPREPLY=()
    _vantrelctl
    printf '%s\n' "${COMPREPLY[@]}" | sort | tr '\n' ' ' | sed 's/ $//'
}

devices=""
for d in /dev/ttyUSB* /dev/ttyACM* /dev/ttyS*; do [[ -e $d ]] && devices+=" $d"; done
ports=$(printf '%s\n' Com1 Com2 Com3 Com4 Com5 Com6 Com7 Com8 $devices | sort | tr '\n' ' ' | sed 's/ $//')
fleet_ports=$(printf '%s\n' all $ports | sort | tr '\n' ' ' | sed 's/ $//')

# line | expected completions
cases=(
    "vantrelctl |--help --version archive check diff export fleet import ports read report show simulate write"
    "vantrelctl im|import"
    "vantrelctl import -|--first-channel --help -o"
    "vantrelctl import |OLD.CPG lists radio.cpg"
    "vantrelctl import radio.cpg |channels.csv lists"
    "vantrelctl import -o out.cpg --first-channel 3 radio.cpg |channels.csv lists"
    "vantrelctl import radio.cpg channels.csv |"
    "vantrelctl import radio.cpg channels.csv -o |OLD.CPG lists radio.cpg"
    "vantrelctl export radio.cpg -o |channels.csv lists"
    "vantrelctl diff radio.cpg |OLD.CPG lists radio.cpg"
    "vantrelctl report -o |lists report.pdf"
    "vantrelctl read --trace |OLD.CPG channels.csv lists notes.txt radio.cpg report.pdf"
    "vantrelctl read --port |$ports"
    "vantrelctl read --port C|Com1 Com2 Com3 Com4 Com5 Com6 Com7 Com8"
    "vantrelctl write --port=Com|Com1 Com2 Com3 Com4 Com5 Com6 Com7 Com8"
    "vantrelctl write --port Com1 |OLD.CPG lists radio.cpg"
    "vantrelctl write --password |"
    "vantrelctl simulate --target |auto"
    "vantrelctl fleet |--help read write"
    "vantrelctl fleet write --port |$fleet_ports"
    "vantrelctl fleet write --port Com1 --port Com2 |OLD.CPG lists radio.cpg"
    "vantrelctl fleet read -o |lists"
    "vantrelctl archive |--help check diff get list radios show"
    "vantrelctl ports -|--help"
)
for c in "${cases[@]}"; do
    line=${c%%|*}
    expected=${c#*|}
    got=$(complete_line "$line")
    if [[ $got != "$expected" ]]; then
        echo "FAIL: '$line'" >&2
        echo "  expected: $expected" >&2
        echo "  got:      $got" >&2
        failed=1
    fi
done

# Every option a command's --help names is completed for it. Commands come
# from the tool's own help ("  vantrelctl fleet write --port P ...").
while read -r command; do
    [[ $command ]] || continue
    help_options=$("$vantrelctl" $command --help | sed -n 's/^  -h, \(--help\).*/\1/p; s/^  \(-[^ ,]*\).*/\1/p' |
        grep -vx -- -h | sort -u)
    offered=$(complete_line "vantrelctl $command -" | tr ' ' '\n')
    missing=$(comm -23 <(echo "$help_options") <(echo "$offered" | sort -u))
    if [[ $missing ]]; then
        echo "FAIL: 'vantrelctl $command' options not completed: $(echo $missing)" >&2
        failed=1
    fi
done < <("$vantrelctl" --help | sed -n 's/^  vantrelctl \(\([a-z]\+ \?\)*\).*/\1/p' | sed 's/ *$//')

exit $failed
