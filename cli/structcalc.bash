# Bash completion for structcalc: programs, case numbers, input names (NAME=), options, saved
# calculations (*.json) after --open and files after --batch and --sheet.
# The programs, cases and inputs come from structcalc itself (--list), so they are always those
# of the installed version.

_structcalc()
{
    local cur prev words cword
    _init_completion -n = || return

    local options="--unit --raw --json --list --diagram --points --batch --sheet --open --lang --help --version"
    if [[ $prev == --lang ]]; then
        COMPREPLY=($(compgen -W "ja en" -- "$cur"))
        return
    fi
    if [[ $prev == --unit ]]; then
        COMPREPLY=($(compgen -W "mm cm m N kN mm,N mm,kN cm,N cm,kN m,N m,kN" -- "$cur"))
        return
    fi
    if [[ $prev == --points ]]; then
        return
    fi
    if [[ $prev == --open ]]; then
        _filedir json
        return
    fi
    if [[ $prev == --batch || $prev == --sheet ]]; then
        _filedir
        return
    fi
    if [[ $cur == -* ]]; then
        COMPREPLY=($(compgen -W "$options" -- "$cur"))
        return
    fi

    # The words that are not options: PROGRAM, CASE, then NAME=VALUE. A saved calculation (--open)
    # names its program, case and inputs itself: only options follow it.
    local -a positional=()
    local i
    for ((i = 1; i < cword; i++)); do
        case ${words[i]} in
        --open)
            COMPREPLY=($(compgen -W "$options" -- "$cur"))
            return
            ;;
        --unit | --points | --batch | --sheet) ((i++)) ;;
        -*) ;;
        *) positional+=("${words[i]}") ;;
        esac
    done

    case ${#positional[@]} in
    0)
        local programs
        programs=$(structcalc --list 2>/dev/null | awk '/^[^ \t]/ { print $1 }')
        COMPREPLY=($(compgen -W "$programs" -- "$cur"))
        ;;
    1)
        local cases
        cases=$(structcalc --list "${positional[0]}" 2>/dev/null | awk -F'\t' '/^  [0-9]/ { gsub(/ /, "", $1); print $1 }')
        COMPREPLY=($(compgen -W "$cases" -- "$cur"))
        ;;
    *)
        local inputs
        inputs=$(structcalc --list "${positional[0]}" "${positional[1]}" 2>/dev/null |
            awk -F'\t' '/^inputs:/ { i = 1; next } /^[a-z]+:/ { i = 0 } i { sub(/^  /, "", $1); print $1 "=" }')
        compopt -o nospace 2>/dev/null
        COMPREPLY=($(compgen -W "$inputs" -- "$cur"))
        ;;
    esac
} && complete -F _structcalc structcalc
