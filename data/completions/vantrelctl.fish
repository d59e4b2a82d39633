# fish completion for vantrelctl: the commands, each command's options,
# Com1..Com8 and the serial devices after --port, data files (.cpg) and
# channel lists (.csv) where a command wants them. The option lists follow
# `vantrelctl COMMAND --help`.

set -l commands read write check show diff simulate report ports export import archive fleet

function __vantrelctl_ports
    printf '%s\n' Com1 Com2 Com3 Com4 Com5 Com6 Com7 Com8
    for device in /dev/ttyUSB* /dev/ttyACM* /dev/ttyS*
        echo $device
    end
end

# The files ending in $argv[1] (in any case) and the folders that start with
# the word being completed.
function __vantrelctl_files
    set -l word (commandline -ct)
    for path in $word*
        if test -d $path
            echo $path/
        else if string match -qi -- "*$argv[1]" $path
            echo $path
        end
    end
end

# The number of operands before the cursor: the command's own words and
# option values do not count.
function __vantrelctl_operands
    set -l tokens (commandline -opc)
    set -l count 0
    set -l skip 2
    contains -- $tokens[2] archive fleet; and set skip 3
    set -l value 0
    for token in $tokens[(math $skip + 1)..-1]
        if test $value = 1
            set value 0
        else if contains -- $token --port -o --trace --password --first-channel --image --link --count \
                --reaction --echo-delay --identity --bad-checksum --silent-at --version-first --radio-password \
                --target --target-busy --refuse-block --junk-before --junk-after --save --page
            set value 1
        else if not string match -q -- '-*' $token
            set count (math $count + 1)
        end
    end
    echo $count
end

# True when the command line's command is $argv (two words for archive and fleet)
# and, with a second argument, that many operands come before the cursor.
function __vantrelctl_at
    set -l tokens (commandline -opc)
    set -l i 1
    for word in (string split ' ' -- $argv[1])
        set i (math $i + 1)
        set -q tokens[$i]; and test $tokens[$i] = $word; or return 1
    end
    test (count $argv) -lt 2; or test (__vantrelctl_operands) -eq $argv[2]
end

complete -c vantrelctl -f
complete -c vantrelctl -n "not __fish_seen_subcommand_from $commands" -l help -s h -d 'Show the help'
complete -c vantrelctl -n "not __fish_seen_subcommand_from $commands" -l version -d 'Show the version'
complete -c vantrelctl -n "not __fish_seen_subcommand_from $commands" -a read -d 'Read the radio into a data file'
complete -c vantrelctl -n "not __fish_seen_subcommand_from $commands" -a write -d 'Write a data file into the radio'
complete -c vantrelctl -n "not __fish_seen_subcommand_from $commands" -a check -d 'What the editor would say about a data file'
complete -c vantrelctl -n "not __fish_seen_subcommand_from $commands" -a show -d 'What the editor would show for a data file'
complete -c vantrelctl -n "not __fish_seen_subcommand_from $commands" -a diff -d 'Fields that differ between two data files'
complete -c vantrelctl -n "not __fish_seen_subcommand_from $commands" -a simulate -d 'Play a radio on a pseudo-terminal'
complete -c vantrelctl -n "not __fish_seen_subcommand_from $commands" -a report -d 'Print the codeplug report into a PDF'
complete -c vantrelctl -n "not __fish_seen_subcommand_from $commands" -a ports -d 'List Com1..Com8'
complete -c vantrelctl -n "not __fish_seen_subcommand_from $commands" -a export -d 'Write the channels as a CHIRP list'
complete -c vantrelctl -n "not __fish_seen_subcommand_from $commands" -a import -d 'Bring a CHIRP list into a data file'
complete -c vantrelctl -n "not __fish_seen_subcommand_from $commands" -a archive -d 'The radio archive'
complete -c vantrelctl -n "not __fish_seen_subcommand_from $commands" -a fleet -d 'Read or write many radios at once'
complete -c vantrelctl -n "__fish_seen_subcommand_from $commands" -l help -s h -d 'Show the help'

# Sub-commands.
complete -c vantrelctl -n "__vantrelctl_at fleet; and not __fish_seen_subcommand_from write read" -a 'write read'
complete -c vantrelctl -n "__vantrelctl_at archive; and not __fish_seen_subcommand_from radios list show get diff check" \
    -a 'radios list show get diff check'

# Options, by command.
set -l port "(__vantrelctl_ports)"
complete -c vantrelctl -n "__vantrelctl_at read; or __vantrelctl_at write" -l port -x -a "$port" -d 'Serial device or Com1..Com8'
complete -c vantrelctl -n "__vantrelctl_at 'fleet write'; or __vantrelctl_at 'fleet read'" -l port -x -a "all $port" -d 'A radio\'s serial device, or all'
complete -c vantrelctl -n "__vantrelctl_at read; or __vantrelctl_at import; or __vantrelctl_at 'archive get'" -s o -x -a "(__vantrelctl_files .cpg)" -d 'Data file to write'
complete -c vantrelctl -n "__vantrelctl_at read; or __vantrelctl_at write" -l trace -r -F -d 'Log every byte into a file'
complete -c vantrelctl -n "__vantrelctl_at write; or __vantrelctl_at 'fleet write'" -l password -x -d 'Answer to the password question'
complete -c vantrelctl -n "__vantrelctl_at write; or __vantrelctl_at 'fleet write'" -l verify -d 'Read back and compare'
complete -c vantrelctl -n "__vantrelctl_at show; or __vantrelctl_at diff; or __vantrelctl_at fleet; or __vantrelctl_at archive; and not __vantrelctl_at 'archive get'" -l json -d 'Print JSON'
complete -c vantrelctl -n "__vantrelctl_at report" -s o -x -a "(__vantrelctl_files .pdf)" -d 'PDF to write'
complete -c vantrelctl -n "__vantrelctl_at report" -l twips -d 'Lay the report out in twips'
complete -c vantrelctl -n "__vantrelctl_at report" -l page -r -F -d 'Also keep the preview page as an image'
complete -c vantrelctl -n "__vantrelctl_at export" -s o -x -a "(__vantrelctl_files .csv)" -d 'Channel list to write'
complete -c vantrelctl -n "__vantrelctl_at import" -l first-channel -x -a "(seq 16)" -d 'Fill the channels from N on'
complete -c vantrelctl -n "__vantrelctl_at 'fleet read'" -s o -x -a "(__fish_complete_directories)" -d 'Folder for the data files'
complete -c vantrelctl -n "__vantrelctl_at simulate" -l image -x -a "(__vantrelctl_files .cpg)" -d 'The radio\'s codeplug'
complete -c vantrelctl -n "__vantrelctl_at simulate" -l link -r -F -d 'Link to create to the pseudo-terminal'
complete -c vantrelctl -n "__vantrelctl_at simulate" -l save -x -a "(__vantrelctl_files .cpg)" -d 'Store the image after each write'
complete -c vantrelctl -n "__vantrelctl_at simulate" -l target -x -a auto -d 'Answer to the target check'
for option in count reaction echo-delay identity bad-checksum silent-at version-first radio-password target-busy refuse-block junk-before junk-after
    complete -c vantrelctl -n "__vantrelctl_at simulate" -l $option -x
end
complete -c vantrelctl -n "__vantrelctl_at simulate" -l pace -d 'Bytes take 11 bit times at 1200 baud'
complete -c vantrelctl -n "__vantrelctl_at simulate" -l echo -d 'Every program byte comes back'

# Operands: data files, and the channel list as import's second.
for command in write check show report export diff 'fleet write'
    complete -c vantrelctl -n "__vantrelctl_at '$command' 0" -a "(__vantrelctl_files .cpg)"
end
complete -c vantrelctl -n "__vantrelctl_at diff 1" -a "(__vantrelctl_files .cpg)"
complete -c vantrelctl -n "__vantrelctl_at import 0" -a "(__vantrelctl_files .cpg)"
complete -c vantrelctl -n "__vantrelctl_at import 1" -a "(__vantrelctl_files .csv)"
