
# Everything below works on the word lists above.

# Whether WORD fits a usage token: a literal, alternatives "on|off", or a PLACEHOLDER.
_r8ctl_fits() {
    local token=${1#[} word=$2 alt
    local -a alts
    IFS='|' read -r -a alts <<<"${token%]}"
    for alt in "${alts[@]}"; do
        [[ $alt == "$word" || $alt =~ ^[A-Z][A-Z0-9]*$ ]] && return 0
    done
    return 1
}

# The words a usage token offers; the words typed so far choose qualified lists
# ("KEY (media)" only after the word media).
_r8ctl_offer() {
    local token=${1#[} alt typed
    local -a alts
    IFS='|' read -r -a alts <<<"${token%]}"
    shift
    for alt in "${alts[@]}"; do
        if [[ $alt =~ ^[A-Z][A-Z0-9]*$ ]]; then
            for typed in "$@"; do
                printf '%s\n' ${_r8ctl_values[$alt:$typed]-}
            done
            printf '%s\n' ${_r8ctl_values[$alt]-}
        else
            printf '%s\n' "$alt"
        fi
    done
}

_r8ctl() {
    local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD - 1]}
    local command="" i word files=0
    local -a typed=()
    COMPREPLY=()

    for ((i = 1; i < COMP_CWORD; i++)); do
        word=${COMP_WORDS[i]}
        if [[ $word == -* ]]; then
            # an option's value is not a positional word
            [[ " $_r8ctl_value_options " == *" $word "* ]] && ((i++))
            continue
        fi
        if [[ -z $command ]]; then
            command=$word
        else
            # a command option's value (--stage 3, --mode repeat)
            [[ ${COMP_WORDS[i - 1]} == --* && " $_r8ctl_options " != *" ${COMP_WORDS[i - 1]} "* ]] &&
                continue
            typed+=("$word")
        fi
    done

    case $prev in
    --wire-log)
        mapfile -t COMPREPLY < <(compgen -f -- "$cur")
        return
        ;;
    --profile)
        mapfile -t COMPREPLY < <(compgen -W '1 2 3 4 5 6 7 8 9 10' -- "$cur")
        return
        ;;
    esac

    if [[ -z $command ]]; then
        if [[ $cur == -* ]]; then
            mapfile -t COMPREPLY < <(compgen -W "$_r8ctl_options" -- "$cur")
        else
            mapfile -t COMPREPLY < <(compgen -W "$_r8ctl_commands" -- "$cur")
        fi
        return
    fi
    if [[ $cur == -* ]]; then
        mapfile -t COMPREPLY < <(compgen -W "${_r8ctl_command_options[$command]-} --help" -- "$cur")
        return
    fi
    # A command option's value: its listed values (--mode normal|repeat|hold), or nothing.
    if [[ $prev == --* && " $_r8ctl_options " != *" $prev "* ]]; then
        mapfile -t COMPREPLY < <(compgen -W "${_r8ctl_values[$prev]-}" -- "$cur")
        return
    fi

    local -a offers=()
    local usage n=${#typed[@]}
    local -a tokens
    while IFS= read -r usage; do
        read -r -a tokens <<<"$usage"
        ((n < ${#tokens[@]})) || continue
        for ((i = 0; i < n; i++)); do
            _r8ctl_fits "${tokens[i]}" "${typed[i]}" || continue 2
        done
        [[ ${tokens[n]} == *FILE* ]] && files=1
        mapfile -t -O ${#offers[@]} offers < <(_r8ctl_offer "${tokens[n]}" "${typed[@]}")
    done <<<"${_r8ctl_usages[$command]-}"

    mapfile -t COMPREPLY < <(compgen -W "${offers[*]}" -- "$cur")
    if ((files)); then
        mapfile -t -O ${#COMPREPLY[@]} COMPREPLY < <(compgen -f -- "$cur")
    fi
}
complete -F _r8ctl r8ctl
