# Saving and closing: "Close" leaves the file as stored; "Save and View Full Width" writes the
# 51 cells as typed and shows them full width under the editor; "Save As..." writes under a
# chosen name. Saves that cannot be made give their message and change no file; Save As tries
# the failed write once more under the previous name.
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
sweep 5
expect MultiScope.scopescreen opcount 5

# Quotes, words and huge numbers save as typed (a quote as an apostrophe) and read back.
dblclick MultiScope.scopescreen
set frmWaveEdit.txtYvalue(0) say "12" volts
set frmWaveEdit.txtYvalue(1) 1e400
set frmWaveEdit.txtYvalue(2) nan
set frmWaveEdit.txtYvalue(3) 1,5
click frmWaveEdit.cmdSave
expect filelines DATA:wave.msf 51
expect fileline DATA:wave.msf 1 "\"say '12' volts\""
expect fileline DATA:wave.msf 2 "\"1e400\""
expect fileline DATA:wave.msf 4 "\"1,5\""
expect fileline DATA:wave.msf 51 "\"50\""
expect frmWaveEdit.txtYvalue(0) text "say '12' volts"
expect PanelWidth 0
expect MultiScope.sldTime value 1
expect MultiScope.cmdConnection visible false
show MultiScope
expect event "\"height\":3650,\"left\":200,\"target\":\"MultiScope\",\"top\":4800,\"visible\":true,\"width\":15200"
expect MultiScope.lblDMM text "say '12' volts"
sweep 60
screenshot frmMainscreen TEMP:fullwidth.png
click frmWaveEdit.cmdCancel
expect PanelWidth 3000
expect MultiScope.cmdConnection visible true
show MultiScope
expect event "\"height\":3650,\"left\":7000,\"target\":\"MultiScope\",\"top\":5000,\"visible\":true,\"width\":7650"

# Save As starts on the current file; the new file becomes current, the scope keeps its place.
dblclick MultiScope.scopescreen
set frmWaveEdit.txtYvalue(3) 33
answer file new.msf
click frmWaveEdit.cmdSaveAs
expect event "\"filter\":\"Multiscope Files (*.msf)\",\"filterindex\":0,\"kind\":\"save\",\"name\":\"wave.msf\",\"title\":\"Save As\""
expect fileline DATA:new.msf 4 "\"33\""
expect fileline DATA:wave.msf 4 "\"1,5\""
expect frmWaveEdit.lblWaveform text "Current waveform is: new.msf"
expect MultiScope.cmbReading text Signal
expect PanelWidth 3000
answer cancel
click frmWaveEdit.cmdSaveAs
expect CurrentWaveformFile new.msf
expect noevent "\"event\":\"message\""

# Save and View Full Width on a read-only file, a folder, a missing folder.
let CurrentWaveformFile ro.msf
click frmWaveEdit.cmdSave
expect message "Please try again and use the 'Save As...' option to choose another location or name.\r\n\r (ro.msf) may be read only)\r\n\rFiles must be saved in an area such as 'My Documents', where you have permission to work..."
let CurrentWaveformFile folder.msf
click frmWaveEdit.cmdSave
expect message "Please try again and use the 'Save As...' option to choose another location or name.\r\n\r (folder.msf) may be read only)\r\n\rFiles must be saved in an area such as 'My Documents', where you have permission to work..."
let CurrentWaveformFile nowhere/gone.msf
click frmWaveEdit.cmdSave
expect message "Error number 76 Path not found"
expect MultiScope.cmbReading text "Edit mode"
expect PanelWidth 3000

# Save As onto a read-only file: its message, then the write under the previous name.
let CurrentWaveformFile new.msf
set frmWaveEdit.txtYvalue(3) 44
answer file ro.msf
click frmWaveEdit.cmdSaveAs
expect event "\"answer\":\"ro.msf\""
expect event "\"text\":\"Please try again! Files must be saved in an area such as 'My Documents', where existing files are not Read Only...\""
expect noevent "\"event\":\"message\""
expect fileline DATA:new.msf 4 "\"44\""
# The previous name failing as well: a second message, and the command ends.
let CurrentWaveformFile ro.msf
answer file folder.msf
click frmWaveEdit.cmdSaveAs
expect event "\"answer\":\"folder.msf\""
expect event "not Read Only..."
expect event "not Read Only..."
expect noevent "\"event\":\"message\""
answer file nowhere/new.msf
click frmWaveEdit.cmdSaveAs
expect event "\"text\":\"Error number 76 Path not found\""
expect event "not Read Only..."
expect CurrentWaveformFile ro.msf
expect fileline DATA:ro.msf 6 5

# Closed by its frame after a full-width save: only the terminal comes back.
let CurrentWaveformFile new.msf
click frmWaveEdit.cmdSave
close frmWaveEdit
expect MultiScope.cmdConnection visible true
expect PanelWidth 0
