# Opening the waveform editor from the scope screen: the names that open it, where it stands
# and what it holds, the fields it takes from a long and a short file, and the scope's edit
# mode on opening and on any change of a cell.
#! sh { printf '"  sixty"\r\n'; for i in $(seq 1 59); do printf '"%s"\r\n' $i; done; } > "$work/data/long.MSF"
#! sh { printf '"  ten"\r\n'; for i in $(seq 1 9); do printf '%s\r\n' $((i * -10)); done; } > "$work/data/ten.msf"
#! sh { printf '"  other"\r\n'; for i in $(seq 1 50); do printf '"%s"\r\n' $((i + 40)); done; } > "$work/data/other.msf"
#! sh printf 'not a picture' > "$work/data/pic.jpg"

menu Tools > MultiScope
# No waveform file, a picture's name, an empty name: the message, and no editor.
dblclick MultiScope.scopescreen
expect message "A waveform file must be open before the editor can be used..."
expect event "\"icon\":\"information\""
let CurrentWaveformFile pic.jpg
dblclick MultiScope.scopescreen
expect message "A waveform file must be open before the editor can be used..."
let CurrentWaveformFile ""
dblclick MultiScope.scopescreen
expect message "A waveform file must be open before the editor can be used..."
expect noevent "Waveform Editor"

# A file named in capitals opens it: 60 fields fill cells 0..50, the rest is ignored.
answer file long.MSF
menu File > Open...
expect MultiScope.cmbReading text Signal
dblclick MultiScope.scopescreen
show frmWaveEdit
expect event "\"caption\":\"Waveform Editor\",\"event\":\"show\",\"height\":4700,\"left\":50,\"target\":\"frmWaveEdit\",\"top\":50,\"visible\":true,\"width\":15500"
expect frmWaveEdit.lblWaveform text "Current waveform is: long.MSF"
expect frmWaveEdit.txtYvalue(0) text "  sixty"
expect frmWaveEdit.txtYvalue(1) text 1
expect frmWaveEdit.txtYvalue(50) text 50
expect EditorLoadIndex 50
# Edit mode: the reading says so, the sweep timer is off and the screen clear.
expect MultiScope.cmbReading text "Edit mode"
sweep 5
expect MultiScope.scopescreen opcount 0

# The controls as they stand.
show frmWaveEdit.txtYvalue(0)
expect event "\"bold\":true"
expect frmWaveEdit.txtYvalue(0) left 2520
expect frmWaveEdit.txtYvalue(0) top 2640
expect frmWaveEdit.txtYvalue(0) width 2940
expect frmWaveEdit.txtYvalue(0) height 540
expect frmWaveEdit.txtYvalue(0) pointsize 18
expect frmWaveEdit.txtYvalue(0) family "DejaVu Sans"
expect frmWaveEdit.txtYvalue(1) left 180
expect frmWaveEdit.txtYvalue(2) left 480
expect frmWaveEdit.txtYvalue(50) left 14880
expect frmWaveEdit.txtYvalue(50) top 1320
expect frmWaveEdit.txtYvalue(50) width 300
expect frmWaveEdit.txtYvalue(50) height 300
expect frmWaveEdit.txtYvalue(50) pointsize 6
expect frmWaveEdit.txtYvalue(50) bold false
expect frmWaveEdit.txtYvalue(50) family "DejaVu Serif"
expect frmWaveEdit.Label1 text "Enter the DMM reading:"
expect frmWaveEdit.Label2 text "Enter the Y (voltage) values of the waveform (-99 to 99) from left to right:"
expect frmWaveEdit.cmdMoveUp text "Move all values one space to the right >"
expect frmWaveEdit.cmdCopy text "Copy first cell to all >>"
expect frmWaveEdit.cmdFreezeWave text "Freeze Wave"
expect frmWaveEdit.cmdSave text "Save and View Full Width"
expect frmWaveEdit.cmdSaveAs text "Save As..."
expect frmWaveEdit.cmdCancel text "Close"

# A file of 10 fields fills cells 0..9; cells 10..50 keep what the long file put there.
let CurrentWaveformFile ten.msf
dblclick MultiScope.scopescreen
expect frmWaveEdit.lblWaveform text "Current waveform is: ten.msf"
expect frmWaveEdit.txtYvalue(0) text "  ten"
expect frmWaveEdit.txtYvalue(9) text -90
expect frmWaveEdit.txtYvalue(10) text 10
expect frmWaveEdit.txtYvalue(50) text 50
expect EditorLoadIndex 10

# A missing file: the editor shows its name and keeps the cells; nothing is reported.
let CurrentWaveformFile gone.msf
dblclick MultiScope.scopescreen
expect frmWaveEdit.lblWaveform text "Current waveform is: gone.msf"
expect frmWaveEdit.txtYvalue(9) text -90
expect noevent "\"event\":\"message\""

# Any change of a cell stops the sweep at once: restart it (Freeze Wave twice), then change
# the DMM text, a sample, and let the program change one.
click frmWaveEdit.cmdFreezeWave
click frmWaveEdit.cmdFreezeWave
sweep 3
expect MultiScope.scopescreen opcount 3
set frmWaveEdit.txtYvalue(0) "  12.6 V"
expect MultiScope.cmbReading text "Edit mode"
sweep 3
expect MultiScope.scopescreen opcount 0
click frmWaveEdit.cmdFreezeWave
click frmWaveEdit.cmdFreezeWave
sweep 2
set frmWaveEdit.txtYvalue(7) 33
sweep 2
expect MultiScope.scopescreen opcount 0
click frmWaveEdit.cmdFreezeWave
click frmWaveEdit.cmdFreezeWave
sweep 2
expect MultiScope.scopescreen opcount 2
set frmWaveEdit.txtYvalue(3) ""
focus frmWaveEdit.txtYvalue(4)
expect frmWaveEdit.txtYvalue(3) text 0
sweep 2
expect MultiScope.scopescreen opcount 0

# File > Open of another waveform while the editor is visible reloads its cells first.
answer file other.msf
menu File > Open...
expect frmWaveEdit.lblWaveform text "Current waveform is: other.msf"
expect frmWaveEdit.txtYvalue(0) text "  other"
expect frmWaveEdit.txtYvalue(50) text 90
expect MultiScope.lblDMM text "  other"
