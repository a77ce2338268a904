# Saving: "Save and View Full Width" writes the 51 cells as typed and shows the result full
# width under the editor; "Save As..." writes under a chosen name; "Close" leaves the file
# as stored; closing by the frame only gives the terminal back.
#! sh { printf '"  4.2 V"\r\n'; for i in $(seq 1 50); do printf '%s\r\n' $i; done; } > "$work/data/wave.msf"
#! sh cp "$work/data/wave.msf" "$work/data/keep.msf"

menu Tools > MultiScope
answer file wave.msf
menu File > Open...
dblclick MultiScope.scopescreen
expect frmWaveEdit.txtYvalue(50) text 50

# Close after edits: the file is as it was, the scope shows it again from its normal place.
set frmWaveEdit.txtYvalue(0) "edited"
set frmWaveEdit.txtYvalue(5) 77
click frmWaveEdit.cmdCancel
expect filetext DATA:wave.msf "\"  4.2 V\"\r\n1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n9\r\n10\r\n11\r\n12\r\n13\r\n14\r\n15\r\n16\r\n17\r\n18\r\n19\r\n20\r\n21\r\n22\r\n23\r\n24\r\n25\r\n26\r\n27\r\n28\r\n29\r\n30\r\n31\r\n32\r\n33\r\n34\r\n35\r\n36\r\n37\r\n38\r\n39\r\n40\r\n41\r\n42\r\n43\r\n44\r\n45\r\n46\r\n47\r\n48\r\n49\r\n50\r\n"
expect frmWaveEdit visible false
expect MultiScope.lblDMM text "  4.2 V"
expect MultiScope.cmbReading text Signal
expect Waveform(5) 5
sweep 5
expect MultiScope.scopescreen opcount 5

# Typed 150 and then a save button: the file gets 150, as typed. Every line is quoted, 51
# of them; the cells are read back from the file; the scope shows it full width, under the
# editor, without the terminal, sweeping again.
dblclick MultiScope.scopescreen
set frmWaveEdit.txtYvalue(0) "12.6 V"
set frmWaveEdit.txtYvalue(1) -45
set frmWaveEdit.txtYvalue(2) 150
focus frmWaveEdit.cmdSave
click frmWaveEdit.cmdSave
expect filelines DATA:wave.msf 51
expect fileline DATA:wave.msf 1 "\"12.6 V\""
expect fileline DATA:wave.msf 2 "\"-45\""
expect fileline DATA:wave.msf 3 "\"150\""
expect fileline DATA:wave.msf 51 "\"50\""
expect frmWaveEdit.txtYvalue(2) text 150
expect frmWaveEdit visible true
expect PanelWidth 0
expect MultiScope.sldTime value 1
expect MultiScope.cmdConnection visible false
show MultiScope
expect event "\"height\":3650,\"left\":200,\"target\":\"MultiScope\",\"top\":4800,\"visible\":true,\"width\":15200"
expect MultiScope.cmbReading text Signal
expect MultiScope.lblDMM text "12.6 V"
expect Waveform(2) 150
sweep 2
expect MultiScope.scopescreen opcount 2
screenshot frmMainscreen TEMP:fullwidth.png

# Close: the normal place, the panel and the terminal, the stored waveform.
click frmWaveEdit.cmdCancel
expect PanelWidth 3000
expect MultiScope.cmdConnection visible true
show MultiScope
expect event "\"height\":3650,\"left\":7000,\"target\":\"MultiScope\",\"top\":5000,\"visible\":true,\"width\":7650"
expect ScopePaused 0
expect MultiScope.lblDMM text "12.6 V"

# Save As: the save dialog starts on the current file; the cells go to the new file, which
# becomes the current one; the old file is left alone; the scope keeps its size and place.
dblclick MultiScope.scopescreen
set frmWaveEdit.txtYvalue(0) "as new"
set frmWaveEdit.txtYvalue(3) 33
answer file new.msf
click frmWaveEdit.cmdSaveAs
expect event "\"filter\":\"Multiscope Files (*.msf)\",\"filterindex\":0,\"kind\":\"save\",\"name\":\"wave.msf\",\"title\":\"Save As\""
expect filelines DATA:new.msf 51
expect fileline DATA:new.msf 1 "\"as new\""
expect fileline DATA:new.msf 4 "\"33\""
expect fileline DATA:wave.msf 1 "\"12.6 V\""
expect fileline DATA:wave.msf 4 "\"3\""
expect CurrentWaveformFile new.msf
expect frmWaveEdit.lblWaveform text "Current waveform is: new.msf"
expect MultiScope.lblDMM text "as new"
expect PanelWidth 3000
show MultiScope
expect event "\"left\":7000,\"target\":\"MultiScope\",\"top\":5000"
sweep 2
expect MultiScope.scopescreen opcount 2

# Save As cancelled: nothing is written, the name stays.
set frmWaveEdit.txtYvalue(0) "not saved"
answer cancel
click frmWaveEdit.cmdSaveAs
expect fileline DATA:new.msf 1 "\"as new\""
expect noevent "\"event\":\"message\""

# The frame's close box: only the terminal comes back (after a full-width save it was hidden).
click frmWaveEdit.cmdSave
expect MultiScope.cmdConnection visible false
close frmWaveEdit
expect frmWaveEdit visible false
expect MultiScope.cmdConnection visible true
expect PanelWidth 0
expect fileline DATA:keep.msf 1 "\"  4.2 V\""
