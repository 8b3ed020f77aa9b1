# bash completion for tintorium: its options and palette files.

_tintorium() {
  local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD-1]}
  local IFS=$'\n'
  compopt -o filenames 2>/dev/null
  if [[ $cur == -* ]]; then
    COMPREPLY=($(compgen -W $'--screenshot\n--help\n--version' -- "$cur"))
  elif [[ $prev == --screenshot ]]; then
    COMPREPLY=($(compgen -f -X '!*.png' -- "$cur") $(compgen -d -- "$cur"))
  else
    COMPREPLY=($(compgen -f -X '!*.tnp' -- "$cur") $(compgen -d -- "$cur"))
  fi
}
complete -F _tintorium tintorium
