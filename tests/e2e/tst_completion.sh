#!/usr/bin/env bash
# The bash completion of r8ctl, as bash runs it: each case is a command line typed so far
# (a trailing blank starts a new word), the words that must be offered and those that must not.
set -u
source "$1"

failures=0
check() {
    local line=$1 want=$2 unwanted=${3:-}
    read -r -a COMP_WORDS <<<"$line"
    [[ $line == *" " ]] && COMP_WORDS+=("")
    COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
    COMPREPLY=()
    _r8ctl
    local offered=" ${COMPREPLY[*]} " w
    for w in $want; do
        if [[ $offered != *" $w "* ]]; then
            echo "FAIL '$line': '$w' not offered (offered:$offered)"
            failures=$((failures + 1))
        fi
    done
    for w in $unwanted; do
        if [[ $offered == *" $w "* ]]; then
            echo "FAIL '$line': '$w' offered"
            failures=$((failures + 1))
        fi
    done
}

#     typed so far                              offered                               not offered
check 'r8ctl '                                 'info profile rate dpi light palette button scroll-swap pointer macro lang'
check 'r8ctl li'                               'light'                                'lang info'
check 'r8ctl --'                               '--emulate --wire-log --json --profile --yes --verbose --help --version'
check 'r8ctl --profile '                       '1 10'
check 'r8ctl --json --emulate li'              'light'
check 'r8ctl profile '                         'list show switch export import reset apply'
check 'r8ctl light '                           'static wave yo-yo spotlight off'       'red'
check 'r8ctl light wave --'                    '--brightness --speed'
check 'r8ctl dpi '                             'set stage colors'
check 'r8ctl dpi colors '                      'red orange white'
check 'r8ctl dpi colors --stage 3 '            'orange'                               'set'
check 'r8ctl palette red '                     'green blue'
check 'r8ctl button 5 '                        'key combo mouse media macro fire led default'
check 'r8ctl button 5 mouse '                  'forward dpi+ scrollup'                'volumeup'
check 'r8ctl --emulate button 5 media '        'volumeup playpause'                   'forward'
check 'r8ctl button 5 combo '                  'lctrl rwin none'
check 'r8ctl button 5 fire '                   'left forward'
check 'r8ctl button 5 macro Jump --mode '      'normal repeat hold'
check 'r8ctl scroll-swap '                     'on off'
check 'r8ctl pointer '                         'speed lines double-click'
check 'r8ctl macro '                           'list create show set import export encode bind'
check 'r8ctl lang '                            'list check stamp'

if ((failures)); then
    echo "$failures completion case(s) failed"
    exit 1
fi
echo "all completion cases passed"
