# File > Open: pictures with their text, waveforms onto the scope (any case of the
# extension), Cancel, the filter of the device in front, and files that are not what their
# names say.
#! sh "$(dirname "$script")/fixtures.sh" "$work/data"
#! sh cp "$work/data/Engine speed.msf" "$work/data/Idle.MSF"
#! sh printf '"  short"\r\n"5"\r\n"6"\r\n' > "$work/data/short.msf"
#! sh { for i in $(seq 0 59); do printf '"%s"\r\n' $((i + 100)); done; } > "$work/data/long.msf"
#! sh printf '"  blanks"\r\n\r\n"7"\r\n\r\n"8"\r\n' > "$work/data/blanks.msf"
#! sh { printf '"  odd"\r\n"abc"\r\n1e300\r\n"99999999"\r\n"-3"\r\n'; } > "$work/data/odd.msf"
#! sh printf '"  quote\r\n"1"\r\n' > "$work/data/quote.msf"
#! sh head -c 4096 /dev/urandom > "$work/data/binary.msf"
#! sh head -c 10485760 /dev/zero | tr '\0' 'x' > "$work/data/big.msf"
#! sh mkdir "$work/data/folder.msf"
#! sh printf 'not a picture at all' > "$work/data/notapicture.jpg"
#! sh printf 'text of a fake picture\r\n' > "$work/data/notapicture.txt"
#! sh cp "$work/data/Knock.jpg" "$work/data/oddtext.jpg"; head -c 2048 /dev/urandom | tr 'A' '\0' > "$work/data/oddtext.txt"; printf '\0' >> "$work/data/oddtext.txt"
#! sh cp "$work/data/Knock.jpg" "$work/data/Large.bmp"

# The filter follows the device in front: 1 none, 2 pictures, 3 scope; the scanner and the
# telemetry open on All Files.
menu File > Open...
expect event "\"filter\":\"All Files (*.*);;Picture Files (*.jpg *.bmp *.gif);;Multiscope Files (*.msf)\",\"filterindex\":1"
menu Tools > Pictures
toolbar btnOpen
expect event "\"filterindex\":2"
menu Tools > MultiScope
rclick frmMainscreen
menu Mouse > Open File
expect event "\"filterindex\":3"
menu Tools > Scanner
menu File > Open...
expect event "\"filterindex\":1"
menu Tools > Telemetry
menu File > Open...
expect event "\"filterindex\":1"
expect SelectedFileName ""
expect ToolMode 9

# A picture, as the dialog gives it (a full path): shown with its text; ToolMode stays.
answer file "DATA:Fuel pump.jpg"
menu File > Open...
expect ToolMode 9
expect MultiScope.picTelemetry visible false
show MultiScope.pbxPictures
expect event "Fuel pump.jpg\",\"picturesize\":[1200,600],\"scale\""
expect MultiScope.txbEdit text "Text of Fuel pump\n"
# By a bare name too.
answer file "Knock.jpg"
menu File > Open...
expect CurrentPictureFile Knock.jpg
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

# Cancel changes nothing.
answer cancel
menu File > Open...
expect SelectedFileName ""
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
expect MultiScope.cmbReading text Signal
expect MultiScope.cmdConnection text "Drag/Drop Connections Here..."
expect ToolMode 2
sweep 2
expect MultiScope.scopescreen ends 0,248,6,246

# Fewer records: the rest keep the last file's samples.
answer file short.msf
menu File > Open...
expect MultiScope.lblDMM text "  short"
expect Waveform(1) 5
expect Waveform(2) 6
expect Waveform(3) -22
sweep 3
expect MultiScope.scopescreen ends 0,190,6,188,12,244
# More records: the first 51.
answer file long.msf
menu File > Open...
expect MultiScope.lblDMM text 100
expect Waveform(50) 150
# Blank lines are empty samples, which draw nothing.
answer file blanks.msf
menu File > Open...
expect Waveform(1) ""
expect Waveform(2) 7
sweep 4
expect MultiScope.scopescreen ends 6,186,18,184
# A sample that is not a number or too large to draw is skipped.
answer file odd.msf
menu File > Open...
sweep 4
expect MultiScope.scopescreen ends 18,206
# A lone quote runs on into the next line.
answer file quote.msf
menu File > Open...
expect noevent "File opening error"
# Bytes that are not text: read as fields, drawn where they are numbers; no message.
answer file binary.msf
menu File > Open...
sweep 51
expect noevent "File opening error"
# A 10 MB file, a folder named like a waveform, a missing file: "File opening error...".
answer file big.msf
menu File > Open...
expect message "File opening error..."
expect CurrentWaveformFile big.msf
answer file folder.msf
menu File > Open...
expect message "File opening error..."
answer file missing.msf
menu File > Open...
expect message "File opening error..."
expect event "\"icon\":\"information\",\"text\":\"File opening error...\""
# The scope still sweeps what it had.
sweep 2
expect fileline DATA:short.msf 1 "\"  short\""
expect filelines DATA:long.msf 60
# The scope's command with a waveform file that has gone: the scope comes forward and the
# missing file is reported.
menu Tools > MultiScope
expect message "Error number: 53 - File not found"
expect ToolMode 3

# A picture name too short for its text file's name: the text stays as it was.
answer file Knock.jpg
menu File > Open...
let CurrentPictureFile ab
menu Tools > Pictures
expect CurrentTextFile Knock.txt
expect MultiScope.txbEdit text "Text of Knock\n"
expect ToolMode 2
