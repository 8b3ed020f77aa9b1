# Prints the matches zsh's completion offers for a partial command line, one per line, by typing it and Tab into
# an interactive zsh on a pseudo-terminal (zpty) with compadd wrapped to report what it adds.
# Usage: zsh -f zsh_complete.zsh COMPLETION_DIR "partial line"
zmodload zsh/zpty
zpty z zsh -f -i
zpty -w z "PROMPT=''; RPROMPT=''; fpath=($1 \$fpath); autoload -U compinit; compinit -u -D"
zpty -w z "zstyle ':completion:*' list-grouped false; zstyle ':completion:*' insert-tab false"
zpty -w z 'compadd () { if (( ${@[(I)-(O|A|D)]} )); then builtin compadd "$@"; return; fi; typeset -a __h; builtin compadd -A __h "$@"; local m; for m in $__h; do print -r -- "<<""HIT>>$m"; done; builtin compadd "$@" }'
zpty -w z 'comppostfuncs=(__done); __done() { print -r -- "<<""DONE>>"; compstate[insert]=; compstate[list]= }'
zpty -w z "bindkey '^I' complete-word"
zpty -n -w z "$2"$'\t'
local line
while zpty -r z line; do
  [[ $line == *'<<DONE>>'* ]] && break
  [[ $line == *'<<HIT>>'* ]] && print -r -- ${${line##*<<HIT>>}%%$'\r'}
done
zpty -d z
