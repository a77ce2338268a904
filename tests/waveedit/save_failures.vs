# Saves that cannot be made: a read-only file, a name that is a folder, a missing folder,
# for both save commands; each gives its message and leaves the files as they were. Save As
# tries the failed write once more under the previous name. Cells that are not numbers, or
# hold double quotes, still save as 51 records.
#! sh { printf '"  4.2 V"\r\n'; for i in $(seq 1 50); do printf '"%s"\r\n' $i; done; } > "$work/data/wave.msf"
#! sh cp "$work/data/wave.msf" "$work/data/ro.msf"; chmod 444 "$work/data/ro.msf"
#! sh mkdir "$work/data/folder.msf"

menu Tools > MultiScope
answer file ro.msf
menu File > Open...
dblclick MultiScope.scopescreen

# Save and View Full Width on a read-only file: the message word for word; the file, the
# panel and the edit mode stay.
set frmWaveEdit.txtYvalue(1) 77
click frmWaveEdit.cmdSave
expect message "Please try again and use the 'Save As...' option to choose another location or name.\r\n\r (ro.msf) may be read only)\r\n\rFiles must be saved in an area such as 'My Documents', where you have permission to work..."
expect event "\"icon\":\"information\""
expect fileline DATA:ro.msf 2 "\"1\""
expect PanelWidth 3000
expect MultiScope.cmbReading text "Edit mode"
expect MultiScope.cmdConnection visible true
sweep 3
expect MultiScope.scopescreen opcount 0
# A name that is a folder: the same message with that name.
let CurrentWaveformFile folder.msf
click frmWaveEdit.cmdSave
expect message "Please try again and use the 'Save As...' option to choose another location or name.\r\n\r (folder.msf) may be read only)\r\n\rFiles must be saved in an area such as 'My Documents', where you have permission to work..."
# A missing folder: the error by number.
let CurrentWaveformFile nowhere/gone.msf
click frmWaveEdit.cmdSave
expect message "Error number 76 Path not found"
expect PanelWidth 3000

# Save As onto a read-only file: its message, then the write is tried again under the
# previous name, which takes it; the read-only file is untouched.
let CurrentWaveformFile wave.msf
set frmWaveEdit.txtYvalue(1) 55
answer file ro.msf
click frmWaveEdit.cmdSaveAs
expect message "Please try again! Files must be saved in an area such as 'My Documents', where existing files are not Read Only..."
expect CurrentWaveformFile wave.msf
expect fileline DATA:ro.msf 2 "\"1\""
expect fileline DATA:wave.msf 2 "\"55\""
expect frmWaveEdit.lblWaveform text "Current waveform is: wave.msf"
expect MultiScope.lblDMM text "  4.2 V"

# Save As when the previous file cannot be written either: two messages, then the command
# ends; nothing is written, the name is the previous one, the scope stays in edit mode.
let CurrentWaveformFile ro.msf
set frmWaveEdit.txtYvalue(1) 66
answer file folder.msf
click frmWaveEdit.cmdSaveAs
expect event "\"answer\":\"folder.msf\""
expect event "where existing files are not Read Only..."
expect event "where existing files are not Read Only..."
expect noevent "\"event\":\"message\""
expect CurrentWaveformFile ro.msf
expect fileline DATA:ro.msf 2 "\"1\""
expect MultiScope.cmbReading text "Edit mode"
answer file nowhere/new.msf
click frmWaveEdit.cmdSaveAs
expect event "\"answer\":\"nowhere/new.msf\""
expect event "\"text\":\"Error number 76 Path not found\""
expect event "where existing files are not Read Only..."
expect noevent "\"event\":\"message\""
expect CurrentWaveformFile ro.msf

# Texts that are not numbers, and double quotes: saved as typed, a quote as an apostrophe,
# always 51 records; read back into the cells and onto the scope without a fault.
let CurrentWaveformFile wave.msf
set frmWaveEdit.txtYvalue(0) say "12" volts
set frmWaveEdit.txtYvalue(1) 1e400
set frmWaveEdit.txtYvalue(2) -1e400
set frmWaveEdit.txtYvalue(3) nan
set frmWaveEdit.txtYvalue(4) inf
set frmWaveEdit.txtYvalue(5) 5"x
set frmWaveEdit.txtYvalue(6) "
set frmWaveEdit.txtYvalue(7) 1,5
click frmWaveEdit.cmdSave
expect filelines DATA:wave.msf 51
expect fileline DATA:wave.msf 1 "\"say '12' volts\""
expect fileline DATA:wave.msf 2 "\"1e400\""
expect fileline DATA:wave.msf 5 "\"inf\""
expect fileline DATA:wave.msf 6 "\"5'x\""
expect fileline DATA:wave.msf 7 "\"'\""
expect fileline DATA:wave.msf 8 "\"1,5\""
expect fileline DATA:wave.msf 51 "\"50\""
expect frmWaveEdit.txtYvalue(0) text "say '12' volts"
expect frmWaveEdit.txtYvalue(7) text 1,5
expect frmWaveEdit.txtYvalue(8) text 8
expect MultiScope.lblDMM text "say '12' volts"
expect Waveform(50) 50
sweep 60
focus frmWaveEdit.txtYvalue(9)
expect frmWaveEdit.txtYvalue(1) text 99
expect frmWaveEdit.txtYvalue(2) text -99
expect frmWaveEdit.txtYvalue(3) text 0
expect frmWaveEdit.txtYvalue(6) text 0
expect frmWaveEdit.txtYvalue(7) text 1,5
