# Saving and closing: "Close" leaves the file as stored; "Save and View Full Width" writes the
# 51 cells as typed. Saves that cannot be made give their message and change no file.
#! sh { printf '"  4.2 V"\r\n'; for i in $(seq 1 50); do printf '%s\r\n' $i; done; } > "$work/data/wave.msf"
#! sh cp "$work/data/wave.msf" "$work/data/ro.msf"; chmod 444 "$work/data/ro.msf"
#! sh mkdir "$work/data/folder.msf"
menu Tools > MultiScope
answer file wave.msf
menu File > Open...
dblclick MultiScope.scopescreen
set frmWaveEdit.txtYvalue(5) 77
click frmWaveEdit.cmdCancel
expect fileline DATA:wave.msf 6 5
expect Waveform(5) 5

# Quotes, words and huge numbers save as typed (a quote as an apostrophe): 51 quoted lines.
dblclick MultiScope.scopescreen
set frmWaveEdit.txtYvalue(0) say "12" volts
set frmWaveEdit.txtYvalue(1) 1e400
set frmWaveEdit.txtYvalue(2) nan
click frmWaveEdit.cmdSave
expect filelines DATA:wave.msf 51
expect fileline DATA:wave.msf 1 "\"say '12' volts\""
expect fileline DATA:wave.msf 2 "\"1e400\""
expect fileline DATA:wave.msf 3 "\"nan\""
expect fileline DATA:wave.msf 51 "\"50\""
click frmWaveEdit.cmdCancel

dblclick MultiScope.scopescreen
set frmWaveEdit.txtYvalue(3) 44
let CurrentWaveformFile ro.msf
click frmWaveEdit.cmdSave
expect message "Please try again and use the 'Save As...' option to choose another location or name.\r\n\r (ro.msf) may be read only)\r\n\rFiles must be saved in an area such as 'My Documents', where you have permission to work..."
let CurrentWaveformFile folder.msf
click frmWaveEdit.cmdSave
expect message "Please try again and use the 'Save As...' option to choose another location or name.\r\n\r (folder.msf) may be read only)\r\n\rFiles must be saved in an area such as 'My Documents', where you have permission to work..."
let CurrentWaveformFile nowhere/gone.msf
click frmWaveEdit.cmdSave
expect message "Error number 76 Path not found"
expect fileline DATA:ro.msf 4 3
expect fileline DATA:wave.msf 4 "\"3\""
