# The Live screen with what a damaged setting, a damaged waveform file or an awkward capture
# target gives it: an unknown stored trigger mode is the default (Auto); a reference file with
# no number among its samples (NaN, text, binary, UTF-16) is refused with the samples named and
# the reference kept, one with some is drawn without them; a capture goes to a name as long as
# the folder takes; a link that loops and a read-only file are refused and stay as they were.
#! setting Instruments Scope_trigger Bogus
#! sh d="$work/data"; wave() { printf '"1.4 V"\r\n'; for i in $(seq 50); do printf '"%s"\r\n' "$1"; done; }; wave 40 > "$d/good.msf"; wave nan > "$d/nan.msf"; wave volts > "$d/text.msf"; wave 40 | iconv -f UTF-8 -t UTF-16 > "$d/utf16.msf"; for i in $(seq 200); do printf '\001\002\376\377,'; done > "$d/binary.msf"; wave 40 | sed '8s/.*/"-nan"\r/' > "$d/one bad.msf"; ln -s loop.msf "$d/loop.msf"; printf kept > "$d/read only.msf"; chmod 444 "$d/read only.msf"
menu File > Start / Stop Engine
menu Tools > MultiScope
click MultiScope.optLive
drop FRMsimulation.lblECU(1) MultiScope.cmdConnection
expect MultiScope.cmbTrigger text Auto
set FRMsimulation.HSB_engine_speed 800
sweep 8
show MultiScope
expect event "\"mode\":\"Auto\""

answer file DATA:good.msf
click MultiScope.mnuRefFile
show MultiScope
expect event "\"reference\":\"good.msf\""
answer file DATA:nan.msf
click MultiScope.mnuRefFile
expect event "Samples 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 31, 32, 33, 34, 35, 36, 37, 38, 39, 40, 41, 42, 43, 44, 45, 46, 47, 48, 49, 50 of"
answer file DATA:text.msf
click MultiScope.mnuRefFile
expect event "text.msf are not numbers; it cannot be drawn as a reference."
answer file DATA:utf16.msf
click MultiScope.mnuRefFile
expect event "utf16.msf are not numbers; it cannot be drawn as a reference."
answer file DATA:binary.msf
click MultiScope.mnuRefFile
expect event "binary.msf are not numbers; it cannot be drawn as a reference."
show MultiScope
expect event "\"reference\":\"good.msf\""
answer file "DATA:one bad.msf"
click MultiScope.mnuRefFile
expect event "one bad.msf is not a number; the reference leaves it out."
show MultiScope
expect event "\"reference\":\"one bad.msf\""

# Captures: a name of 252 characters; a link that loops; a read-only file.
answer file DATA:cccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccc.msf
click MultiScope.mnuCaptureWave
expect noevent "could not be saved"
expect filelines DATA:cccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccc.msf 51
answer file DATA:loop.msf
click MultiScope.mnuCaptureWave
expect event "loop.msf is a link that leads round in a loop"
answer file "DATA:read only.msf"
click MultiScope.mnuCaptureWave
expect event "read only.msf is read-only"
#! restart
#! sh d="$work/data"; { [ -L "$d/loop.msf" ] && [ "$(readlink "$d/loop.msf")" = loop.msf ] && printf 'link kept '; cat "$d/read only.msf"; printf %s "$(ls -A "$d" | grep -c '^\.')"; } > "$d/after.txt"
expect filetext DATA:after.txt "link kept kept0"
