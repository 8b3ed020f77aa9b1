# fish completion for tintorium-cli: commands, options, option values, library names and file names.

set -l commands contrast convert formats library mix palette print scale scan variations spectrum wheel

function __tintorium_cli_libraries
    set -l program (commandline -opc)[1]
    $program library list 2>/dev/null | string match -r '^\t.*' | string match -v -r ' \(hidden\)$' | string replace -r '^\t' ''
end

function __tintorium_cli_args_are -d 'true when the words after the command are exactly the given ones'
    set -l words (commandline -opc)
    test (count $words) -eq (math 2 + (count $argv)); or return 1
    test "$words[3..-1]" = "$argv"
end

complete -c tintorium-cli -f
complete -c tintorium-cli -n "not __fish_seen_subcommand_from $commands" -a contrast -d 'text colour against a background'
complete -c tintorium-cli -n "not __fish_seen_subcommand_from $commands" -a convert -d 'a colour in every model'
complete -c tintorium-cli -n "not __fish_seen_subcommand_from $commands" -a formats -d 'file formats and what each keeps'
complete -c tintorium-cli -n "not __fish_seen_subcommand_from $commands" -a library -d 'colour libraries'
complete -c tintorium-cli -n "not __fish_seen_subcommand_from $commands" -a mix -d 'four-corner mixer grid'
complete -c tintorium-cli -n "not __fish_seen_subcommand_from $commands" -a palette -d 'show, convert, sort, dedupe'
complete -c tintorium-cli -n "not __fish_seen_subcommand_from $commands" -a print -d 'swatch cards as a PDF'
complete -c tintorium-cli -n "not __fish_seen_subcommand_from $commands" -a scale -d 'tonal scale of a colour'
complete -c tintorium-cli -n "not __fish_seen_subcommand_from $commands" -a scan -d 'colours of a web page'
complete -c tintorium-cli -n "not __fish_seen_subcommand_from $commands" -a variations -d 'variation strip'
complete -c tintorium-cli -n "not __fish_seen_subcommand_from $commands" -a spectrum -d 'spectrum slice'
complete -c tintorium-cli -n "not __fish_seen_subcommand_from $commands" -a wheel -d 'colour wheel and harmonies'
complete -c tintorium-cli -s h -l help -d 'show the help'
complete -c tintorium-cli -l version -d 'show the version'

complete -c tintorium-cli -n '__fish_seen_subcommand_from contrast' -l cvd -d 'also as seen with colour-vision deficiencies'
complete -c tintorium-cli -n '__fish_seen_subcommand_from contrast' -l fix -x -a 'aa aaa aa-large apca60 apca75 apca90' -d 'suggest a text colour meeting a target'
complete -c tintorium-cli -n '__fish_seen_subcommand_from contrast convert wheel variations scale' -l batch -d 'one answer per input line'
complete -c tintorium-cli -n '__fish_seen_subcommand_from contrast convert library palette scale scan variations wheel' -l json -d 'print JSON'
complete -c tintorium-cli -n '__fish_seen_subcommand_from contrast' -l matrix -r -F -d 'every pair of a palette'
complete -c tintorium-cli -n '__fish_seen_subcommand_from contrast' -l target -x -a 'aa aaa aa-large apca60 apca75 apca90' -d 'only the pairs meeting a target'
complete -c tintorium-cli -n '__fish_seen_subcommand_from contrast' -l format -x -a 'text csv json md html' -d 'output format'

complete -c tintorium-cli -n '__fish_seen_subcommand_from convert; and __tintorium_cli_args_are' -a 'rgb hsb cmyk lab hex css'
complete -c tintorium-cli -n '__fish_seen_subcommand_from convert; and __tintorium_cli_args_are --batch' -a 'rgb hsb cmyk lab color'
complete -c tintorium-cli -n '__fish_seen_subcommand_from convert; and __fish_seen_argument -l batch; and test (count (commandline -opc)) -eq 4' -a 'rgb hsb cmyk lab color'

complete -c tintorium-cli -n '__fish_seen_subcommand_from library; and __tintorium_cli_args_are' -a 'list show'
complete -c tintorium-cli -n '__fish_seen_subcommand_from library; and __tintorium_cli_args_are show' -a '(__tintorium_cli_libraries)'

complete -c tintorium-cli -n '__fish_seen_subcommand_from mix variations spectrum' -l size -x -d 'swatches or cells'

complete -c tintorium-cli -n '__fish_seen_subcommand_from palette; and __tintorium_cli_args_are' -a 'show convert sort dedupe'
complete -c tintorium-cli -n '__fish_seen_subcommand_from palette; and not __tintorium_cli_args_are' -F
complete -c tintorium-cli -n '__fish_seen_subcommand_from palette' -l no-duplicates -d 'skip repeated colours'
complete -c tintorium-cli -n '__fish_seen_subcommand_from palette' -l no-grays -d 'skip greys'
complete -c tintorium-cli -n '__fish_seen_subcommand_from palette' -l per-line -x -d 'swatches per row, 1-256'
complete -c tintorium-cli -n '__fish_seen_subcommand_from palette' -l swatch -x -d 'swatch size WxH'
complete -c tintorium-cli -n '__fish_seen_subcommand_from palette' -l text -d 'names beside the swatches'
complete -c tintorium-cli -n '__fish_seen_subcommand_from palette' -l all-notations -d 'every CSS notation'
complete -c tintorium-cli -n '__fish_seen_subcommand_from palette' -l css-variables -d 'custom properties'
complete -c tintorium-cli -n '__fish_seen_subcommand_from palette' -l as -x -a 'scribus paint.net' -d 'write in this format'
complete -c tintorium-cli -n '__fish_seen_subcommand_from palette' -l notation -x -a 'hex rgb oklch' -d 'how a colour is written'
complete -c tintorium-cli -n '__fish_seen_subcommand_from palette' -l template -r -F -d 'write through an export template'

complete -c tintorium-cli -n '__fish_seen_subcommand_from print' -F
complete -c tintorium-cli -n '__fish_seen_subcommand_from print' -l wheel -x -d 'add the colour wheel of RRGGBB'
complete -c tintorium-cli -n '__fish_seen_subcommand_from print' -l paper -x -a 'a4 letter' -d 'paper size'

complete -c tintorium-cli -n '__fish_seen_subcommand_from scan' -F
complete -c tintorium-cli -n '__fish_seen_subcommand_from scan' -l all-notations -d 'every CSS Color 4 notation'
complete -c tintorium-cli -n '__fish_seen_subcommand_from scan' -l details -d 'property and notation too'

complete -c tintorium-cli -n '__fish_seen_subcommand_from variations' -l type -x -a 'warm cool dark bright saturate desaturate' -d 'direction of the strip'

complete -c tintorium-cli -n '__fish_seen_subcommand_from spectrum; and __tintorium_cli_args_are' -a 'rgb hsb'
complete -c tintorium-cli -n '__fish_seen_subcommand_from spectrum' -l fixed -x -a '1 2 3' -d 'the channel held'

complete -c tintorium-cli -n '__fish_seen_subcommand_from wheel' -l style -x -a 'rgb ryb' -d 'hue circle'
complete -c tintorium-cli -n '__fish_seen_subcommand_from wheel' -l harmony -x -a 'none primary complementary split-complementary analogous triads square rectangle' -d 'print its members'

complete -c tintorium-cli -n '__fish_seen_subcommand_from scale' -l steps -x -a 'css tones' -d 'the step names'
complete -c tintorium-cli -n '__fish_seen_subcommand_from scale' -l mode -x -a 'lightness contrast' -d 'what the targets are'
complete -c tintorium-cli -n '__fish_seen_subcommand_from scale' -l targets -x -d 'one target per step'
complete -c tintorium-cli -n '__fish_seen_subcommand_from scale' -l background -x -d 'background RRGGBB of contrast mode'
complete -c tintorium-cli -n '__fish_seen_subcommand_from scale' -l measure -x -a 'wcag apca' -d 'contrast measure'
complete -c tintorium-cli -n '__fish_seen_subcommand_from scale' -l name -x -d 'the scale name'
complete -c tintorium-cli -n '__fish_seen_subcommand_from scale' -l hue-shift -x -d 'hue turn in degrees'
complete -c tintorium-cli -n '__fish_seen_subcommand_from scale' -l lock -x -d 'a colour RRGGBB kept at its step'
complete -c tintorium-cli -n '__fish_seen_subcommand_from scale' -l format -x -a 'text css scss tokens theme json' -d 'what is written'
complete -c tintorium-cli -n '__fish_seen_subcommand_from scale' -l notation -x -a 'hex rgb oklch' -d 'how a colour is written'
