# What a program killed while saving leaves: an empty lock file (killed as it took the lock)
# and its temporary file and scratch folder beside the settings. The next save goes through and
# clears the old ones; a file seconds old (another program's write in progress) stays.
#! sh d=$(dirname "$conf"); mkdir -p "$d"; : > "$conf.lock"; printf half > "$d/.Vantorel.conf.a1B2c3"; touch -d '-2 minutes' "$d/.Vantorel.conf.a1B2c3"; printf new > "$d/.Vantorel.conf.z9Y8x7"; mkdir "$d/.Vantorel-settings-Qw3rTy"; : > "$d/.Vantorel-settings-Qw3rTy/Vantorel.conf"; touch -d '-5 minutes' "$d/.Vantorel-settings-Qw3rTy"
menu Tools > User Details
set frmUserDetails.txbName Kim
click frmUserDetails.cmdOK
expect noevent "Error number"
file CONFIG:Vantorel/Vantorel.conf
expect event ZRuserName=Kim
#! restart
#! sh d=$(dirname "$conf"); { [ -e "$d/.Vantorel.conf.a1B2c3" ] || [ -e "$d/.Vantorel-settings-Qw3rTy" ] || printf gone; [ -e "$d/.Vantorel.conf.z9Y8x7" ] && printf ' kept'; } > "$work/data/left.txt"
expect filetext DATA:left.txt "gone kept"
# A start on its own clears what killed saves left in the folders the program writes: the
# program's folder, the user's data folder and the scanner's reports in the temporary folder;
# a hidden file of the user's and another program's temporary file stay.
#! sh u="$work/userdata/vantorel"; mkdir -p "$u"; for f in "$work/data/.Engine speed.msf.Ab3dE9" "$u/.Challenge results.csv.x1Y2z3" "$work/tmp/.Faults.scn.Qq1Ww2" "$work/tmp/.other.txt.Pp0Oo9" "$work/data/.notes.kept"; do printf half > "$f"; touch -d '-3 minutes' "$f"; done
#! restart
#! sh u="$work/userdata/vantorel"; ls -A "$work/data" "$u" "$work/tmp" | grep '^\.' | sort | tr '\n' ' ' > "$work/data/left.txt"
expect filetext DATA:left.txt ".journal .notes.kept .other.txt.Pp0Oo9 "
# Anywhere else (a capture's folder), a start removes what the journal of writes in progress of
# a killed run still lists, however new, and nothing it does not list.
#! sh u="$work/userdata/vantorel"; e="$work/elsewhere"; mkdir -p "$e" "$u/.journal"; printf half > "$e/.idle.msf.Kk1Ll2"; printf half > "$e/.idle.msf.Mm3Nn4"; printf '+ 1765000000 %s\n' "$e/.idle.msf.Kk1Ll2" > "$u/.journal/writes-Dead01.journal"
#! restart
#! sh ls -A "$work/elsewhere" | tr '\n' ' ' > "$work/data/left.txt"; printf %s "$(ls "$work/userdata/vantorel/.journal" | grep -c Dead01)" >> "$work/data/left.txt"
expect filetext DATA:left.txt ".idle.msf.Mm3Nn4 0"
