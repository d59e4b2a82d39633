# bash completion for vantrelctl                           -*- shell-script -*-
# Completes the commands, each command's options, Com1..Com8 and the serial
# devices after --port, data files (.cpg) and channel lists (.csv) where a
# command wants them. The option tables follow `vantrelctl COMMAND --help`.

# The options of a command ("fleet write" for the two-word ones), each with
# the kind of value it takes after a colon (cpg, csv, pdf, file, dir, port,
# fleetport, target, text); a switch has none.
_vantrelctl_options()
{
    case $1 in
        read) echo "--port:port -o:cpg --trace:file" ;;
        write) echo "--port:port --password:text --verify --trace:file" ;;
        show | diff) echo "--json" ;;
        simulate)
            echo "--image:cpg --link:file --count:text --reaction:text --pace --echo --echo-delay:text" \
                "--identity:text --bad-checksum:text --silent-at:text --version-first:text" \
                "--radio-password:text --target:target --target-busy:text --refuse-block:text --junk-before:text --junk-after:text --save:cpg"
            ;;
        report) echo "-o:pdf --twips --page:file" ;;
        export) echo "-o:csv" ;;
        import) echo "-o:cpg --first-channel:text" ;;
        "fleet write") echo "--port:fleetport --verify --password:text --json" ;;
        "fleet read") echo "--port:fleetport -o:dir --json" ;;
        "archive get") echo "-o:cpg" ;;
        "archive radios" | "archive list" | "archive show" | "archive diff" | "archive check") echo "--json" ;;
    esac
}

# The kinds of a command's operands, in order.
_vantrelctl_operands()
{
    case $1 in
        write | check | show | report | export | "fleet write") echo "cpg" ;;
        diff) echo "cpg cpg" ;;
        import) echo "cpg csv" ;;
    esac
}

# The sub-commands of the two-word commands.
_vantrelctl_subcommands()
{
    case $1 in
        archive) echo "radios list show get diff check" ;;
        fleet) echo "write read" ;;
    esac
}

# Fills COMPREPLY with the values of a kind that start with $cur.
_vantrelctl_values()
{
    local ports="Com1 Com2 Com3 Com4 Com5 Com6 Com7 Com8" device
    case $1 in
        cpg | csv | pdf) _filedir "$1" ;;
        file) _filedir ;;
        dir) _filedir -d ;;
        port | fleetport)
            [[ $1 == fleetport ]] && ports+=" all"
            for device in /dev/ttyUSB* /dev/ttyACM* /dev/ttyS*; do
                [[ -e $device ]] && ports+=" $device"
            done
            COMPREPLY=($(compgen -W "$ports" -- "$cur"))
            ;;
        target) COMPREPLY=($(compgen -W "auto" -- "$cur")) ;;
        *) COMPREPLY=() ;;
    esac
}

_vantrelctl()
{
    local cur prev words cword split
    _init_completion -s || return

    if ((cword == 1)); then
        COMPREPLY=($(compgen -W "read write check show diff simulate report ports export import archive fleet
            --help --version" -- "$cur"))
        return
    fi
    local command=${words[1]} first=2 subcommands
    subcommands=$(_vantrelctl_subcommands "$command")
    if [[ $subcommands ]]; then
        if ((cword == 2)); then
            COMPREPLY=($(compgen -W "$subcommands --help" -- "$cur"))
            return
        fi
        command+=" ${words[2]}"
        first=3
    fi

    local options entry kind
    options=$(_vantrelctl_options "$command")
    # The value of an option (also after --option=).
    for entry in $options; do
        if [[ $entry == *:* && ${entry%%:*} == "$prev" ]]; then
            _vantrelctl_values "${entry#*:}"
            return
        fi
    done
    $split && return

    if [[ $cur == -* ]]; then
        local names=""
        for entry in $options; do names+=" ${entry%%:*}"; done
        COMPREPLY=($(compgen -W "$names --help" -- "$cur"))
        return
    fi

    # An operand: the kind at its place among the operands before it, an
    # option's value not counting.
    local i operand=0 word
    for ((i = first; i < cword; i++)); do
        word=${words[i]}
        if [[ $word == -* ]]; then
            for entry in $options; do
                if [[ $entry == *:* && ${entry%%:*} == "$word" ]]; then
                    ((i += 1))
                    break
                fi
            done
        else
            ((operand++))
        fi
    done
    local kinds=($(_vantrelctl_operands "$command"))
    kind=${kinds[operand]-}
    [[ $kind ]] && _vantrelctl_values "$kind"
} &&
    complete -F _vantrelctl vantrelctl

# ex: filetype=sh
