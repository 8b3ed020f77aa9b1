# fish completion for tintorium: its options and palette files.
complete -c tintorium -s h -l help -d 'show the help'
complete -c tintorium -l version -d 'show the version'
complete -c tintorium -l screenshot -r -d 'render the main window into a PNG file'
