# Opening the editor from the scope screen: the names that open it, its place and controls,
# the fields it takes from a long and a short file, and the scope's edit mode on opening and
# on any change of a cell.
#! sh { printf '"  sixty"\r\n'; for i in $(seq 1 59); do printf '"%s"\r\n' $i; done; } > "$work/data/long.MSF"
#! sh { printf '"  ten"\r\n'; for i in $(seq 1 9); do printf '%s\r\n' $((i * -10)); done; } > "$work/data/ten.msf"

menu Tools > MultiScope
dblclick MultiScope.scopescreen
expect event "\"icon\":\"information\",\"text\":\"A waveform file must be open before the editor can be used...\""
let CurrentWaveformFile pic.jpg
dblclick MultiScope.scopescreen
expect event "A waveform file must be open"
expect noevent "Waveform Editor"

# Capitals open it: 60 fields fill cells 0..50, the rest is ignored; the scope stops.
answer file long.MSF
menu File > Open...
dblclick MultiScope.scopescreen
show frmWaveEdit
expect event "\"caption\":\"Waveform Editor\",\"event\":\"show\",\"height\":4700,\"left\":50,\"target\":\"frmWaveEdit\",\"top\":50,\"visible\":true,\"width\":15500"
expect frmWaveEdit.lblWaveform text "Current waveform is: long.MSF"
expect frmWaveEdit.txtYvalue(0) text "  sixty"
expect frmWaveEdit.txtYvalue(50) text 50
expect MultiScope.cmbReading text "Edit mode"
sweep 5
expect MultiScope.scopescreen opcount 0
show frmWaveEdit.txtYvalue(0)
expect event "\"bold\":true,\"enabled\":true,\"event\":\"show\",\"family\":\"DejaVu Sans\",\"fore\":[0,0,0],\"height\":540,\"left\":2520,\"locked\":false,\"pointsize\":18,\"selected\":\"\",\"target\":\"frmWaveEdit.txtYvalue(0)\",\"text\":\"  sixty\",\"tooltip\":\"\",\"top\":2640,\"type\":\"QLineEdit\",\"visible\":true,\"width\":2940"
show frmWaveEdit.txtYvalue(50)
expect event "\"bold\":false,\"enabled\":true,\"event\":\"show\",\"family\":\"DejaVu Serif\",\"fore\":[0,0,0],\"height\":300,\"left\":14880,\"locked\":false,\"pointsize\":6,\"selected\":\"\",\"target\":\"frmWaveEdit.txtYvalue(50)\",\"text\":\"50\",\"tooltip\":\"\",\"top\":1320,\"type\":\"QLineEdit\",\"visible\":true,\"width\":300"
expect frmWaveEdit.Label1 text "Enter the DMM reading:"
expect frmWaveEdit.Label2 text "Enter the Y (voltage) values of the waveform (-99 to 99) from left to right:"
expect frmWaveEdit.cmdMoveUp text "Move all values one space to the right >"
expect frmWaveEdit.cmdCopy text "Copy first cell to all >>"
expect frmWaveEdit.cmdFreezeWave text "Freeze Wave"
expect frmWaveEdit.cmdSave text "Save and View Full Width"
expect frmWaveEdit.cmdSaveAs text "Save As..."
expect frmWaveEdit.cmdCancel text "Close"

# 10 fields fill cells 0..9; 10..50 keep the long file's values. A missing file: no cell
# changes, nothing is reported.
let CurrentWaveformFile ten.msf
dblclick MultiScope.scopescreen
expect frmWaveEdit.txtYvalue(9) text -90
expect frmWaveEdit.txtYvalue(10) text 10
let CurrentWaveformFile gone.msf
dblclick MultiScope.scopescreen
expect frmWaveEdit.lblWaveform text "Current waveform is: gone.msf"
expect frmWaveEdit.txtYvalue(9) text -90
expect noevent "\"event\":\"message\""

# Any change of a cell, typed or by the range rules, stops a running sweep (Freeze Wave
# twice restarts it) and clears it.
click frmWaveEdit.cmdFreezeWave
click frmWaveEdit.cmdFreezeWave
sweep 3
expect MultiScope.scopescreen opcount 3
set frmWaveEdit.txtYvalue(0) "  12.6 V"
sweep 3
expect MultiScope.scopescreen opcount 0
set frmWaveEdit.txtYvalue(3) ""
click frmWaveEdit.cmdFreezeWave
click frmWaveEdit.cmdFreezeWave
focus frmWaveEdit.txtYvalue(4)
expect frmWaveEdit.txtYvalue(3) text 0
sweep 3
expect MultiScope.scopescreen opcount 0

# File > Open of another waveform reloads the visible editor.
answer file ten.msf
menu File > Open...
expect frmWaveEdit.txtYvalue(0) text "  ten"
expect MultiScope.lblDMM text "  ten"
