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
