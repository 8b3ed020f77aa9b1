# bash completion for tintorium-cli: commands, options, option values, library names and file names.

_tintorium_cli_libraries() {
  # The names "library list" prints under each folder, the hidden ones left out.
  "$1" library list 2>/dev/null | sed -n '/ (hidden)$/d; s/^\t//p'
}

_tintorium_cli_words() {
  local IFS=$'\n'
  COMPREPLY=($(compgen -W "$1" -- "$cur"))
}

_tintorium_cli_files() {
  compopt -o filenames 2>/dev/null
  local IFS=$'\n'
  COMPREPLY=($(compgen -f -- "$cur"))
}

_tintorium_cli() {
  local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD-1]}
  local program=${COMP_WORDS[0]} command=${COMP_WORDS[1]} action=${COMP_WORDS[2]}
  COMPREPLY=()
  if ((COMP_CWORD == 1)); then
    _tintorium_cli_words $'contrast\nconvert\nformats\nlibrary\nmix\npalette\nprint\nscan\nvariations\nspectrum\nwheel\n--help\n--version'
    return
  fi
  # The values an option takes.
  case $command:$prev in
    wheel:--style) _tintorium_cli_words $'rgb\nryb'; return ;;
    wheel:--harmony)
      _tintorium_cli_words $'none\nprimary\ncomplementary\nsplit-complementary\nanalogous\ntriads\nsquare\nrectangle'
      return ;;
    variations:--type) _tintorium_cli_words $'warm\ncool\ndark\nbright\nsaturate\ndesaturate'; return ;;
    contrast:--fix) _tintorium_cli_words $'aa\naaa\naa-large\napca60\napca75\napca90'; return ;;
    palette:--as) _tintorium_cli_words $'scribus\npaint.net'; return ;;
    palette:--notation) _tintorium_cli_words $'hex\nrgb\noklch'; return ;;
    palette:--template) _tintorium_cli_files; return ;;
    print:--paper) _tintorium_cli_words $'a4\nletter'; return ;;
    spectrum:--fixed) _tintorium_cli_words $'1\n2\n3'; return ;;
    convert:--batch) _tintorium_cli_words $'rgb\nhsb\ncmyk\nlab\ncolor'; return ;;
    *:--size | *:--per-line | *:--swatch | *:--wheel) return ;;
  esac
  if [[ $command == convert && ${COMP_WORDS[2]} == --batch && COMP_CWORD -eq 4 ]]; then
    _tintorium_cli_words $'rgb\nhsb\ncmyk\nlab\ncolor'
    return
  fi
  local options=$'--help\n--version'
  case $command in
    contrast) options+=$'\n--cvd\n--fix\n--batch\n--json' ;;
    formats) ;;
    convert) options+=$'\n--batch\n--json' ;;
    library) options+=$'\n--json' ;;
    mix) options+=$'\n--size' ;;
    palette)
      options+=$'\n--no-duplicates\n--no-grays\n--per-line\n--swatch\n--text\n--all-notations\n--css-variables'
      options+=$'
--as
--notation
--template
--json' ;;
    print) options+=$'\n--wheel\n--paper' ;;
    scan) options+=$'\n--all-notations\n--details\n--json' ;;
    variations) options+=$'\n--type\n--size\n--batch\n--json' ;;
    spectrum) options+=$'\n--fixed\n--size' ;;
    wheel) options+=$'\n--style\n--harmony\n--batch\n--json' ;;
    *) return ;;
  esac
  if [[ $cur == -* ]]; then
    _tintorium_cli_words "$options"
    return
  fi
  case $command in
    convert) ((COMP_CWORD == 2)) && _tintorium_cli_words $'rgb\nhsb\ncmyk\nlab\nhex\ncss' ;;
    spectrum) ((COMP_CWORD == 2)) && _tintorium_cli_words $'rgb\nhsb' ;;
    library)
      if ((COMP_CWORD == 2)); then
        _tintorium_cli_words $'list\nshow'
      elif [[ $action == show ]] && ((COMP_CWORD == 3)); then
        local IFS=$'\n' name
        for name in $(_tintorium_cli_libraries "$program"); do
          [[ $name == "$cur"* ]] && COMPREPLY+=("$name")
        done
        # The shell quotes the names with spaces as it inserts them.
        compopt -o filenames 2>/dev/null
      fi ;;
    palette)
      if ((COMP_CWORD == 2)); then
        _tintorium_cli_words $'show\nconvert\nsort\ndedupe'
      elif [[ $action == sort ]] && ((COMP_CWORD == 5)); then
        _tintorium_cli_words $'ASC\nDESC'
      else
        _tintorium_cli_files
      fi ;;
    print | scan) _tintorium_cli_files ;;
  esac
}
complete -F _tintorium_cli tintorium-cli
