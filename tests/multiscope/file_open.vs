# File > Open: pictures with their text, waveforms onto the scope (any case of the
# extension), Cancel, and files that are not what their names say.
#! sh "$(dirname "$script")/fixtures.sh" "$work/data"
#! sh cp "$work/data/Engine speed.msf" "$work/data/Idle.MSF"
#! sh mkdir "$work/data/folder.msf"
#! sh printf 'not a picture at all' > "$work/data/notapicture.jpg"
#! sh printf 'text of a fake picture\r\n' > "$work/data/notapicture.txt"
#! sh cp "$work/data/Knock.jpg" "$work/data/oddtext.jpg"; head -c 2048 /dev/urandom | tr 'A' '\0' > "$work/data/oddtext.txt"; printf '\0' >> "$work/data/oddtext.txt"

# A picture, as the dialog gives it (a full path): shown with its text; ToolMode stays.
menu Tools > Telemetry
answer file "DATA:Fuel pump.jpg"
menu File > Open...
expect ToolMode 9
show MultiScope.pbxPictures
expect event "Fuel pump.jpg\",\"picturesize\":[1200,600],\"scale\""
expect MultiScope.txbEdit text "Text of Fuel pump\n"
answer file "Knock.jpg"
menu File > Open...
expect CurrentTextFile Knock.txt
expect MultiScope.pbxPictures picture Knock.jpg
expect MultiScope.txbEdit text "Text of Knock\n"

# Not a picture, text that is not text: the previous picture and text stay, no message.
answer file notapicture.jpg
menu File > Open...
expect MultiScope.pbxPictures picture Knock.jpg
expect MultiScope.txbEdit text "text of a fake picture\n"
answer file oddtext.jpg
menu File > Open...
expect MultiScope.pbxPictures picture oddtext.jpg
expect MultiScope.txbEdit text "text of a fake picture\n"
expect noevent "File opening error"

answer cancel
menu File > Open...
expect CurrentPictureFile oddtext.jpg
expect MultiScope.pbxPictures picture oddtext.jpg

# A waveform: the scope comes forward with it, the terminal is free again.
let ToolMode 2
menu File > Start / Stop Engine
drop FRMsimulation.Label13 MultiScope.cmdConnection
expect MultiScope.cmdConnection text "Connected: Knock"
answer file Idle.MSF
menu File > Open...
expect CurrentWaveformFile Idle.MSF
expect MultiScope.lblDMM text "  Engine speed reading"
expect MultiScope.cmdConnection text "Drag/Drop Connections Here..."
sweep 2
expect MultiScope.scopescreen ends 0,248,6,246
# A file that cannot be read is reported; the scope sweeps what it had.
answer file folder.msf
menu File > Open...
expect message "File opening error..."
sweep 1
expect MultiScope.scopescreen ends 0,248

# Samples that are no number are named and left out; the others are drawn.
#! sh { printf '"  4.2 V"\r\n'; for i in $(seq 1 50); do case $i in 7) echo nan ;; 30) echo 1e400 ;; *) echo $((i % 10 * 5)) ;; esac; done; } > "$work/data/gaps.msf"
answer file gaps.msf
menu File > Open...
expect message "Samples 7, 30 of gaps.msf are not numbers; the trace leaves them out."
sweep 9
expect MultiScope.scopescreen opcount 8
