# The cells: the range rules when a cell takes the focus (seen in the saved file), a save
# button's focus, copying and moving along, and Freeze Wave.
#! sh printf '"%s"\r\n' "12.6 V dc" 150 -120 "" abc 12.5 99.0 > "$work/data/wave.msf"
menu Tools > MultiScope
answer file wave.msf
menu File > Open...
dblclick MultiScope.scopescreen
focus frmWaveEdit.txtYvalue(20)
# 150 typed, then a save button takes the focus: saved as typed.
set frmWaveEdit.txtYvalue(16) 150
focus frmWaveEdit.cmdSave
click frmWaveEdit.cmdSave
expect filetext DATA:wave.msf "\"12.6 V dc\"\r\n\"99\"\r\n\"-99\"\r\n\"0\"\r\n\"0\"\r\n\"12.5\"\r\n\"99\"\r\n\"0\"\r\n\"0\"\r\n\"0\"\r\n\"0\"\r\n\"0\"\r\n\"0\"\r\n\"0\"\r\n\"0\"\r\n\"0\"\r\n\"150\"\r\n\"0\"\r\n\"0\"\r\n\"0\"\r\n\"0\"\r\n\"0\"\r\n\"0\"\r\n\"0\"\r\n\"0\"\r\n\"0\"\r\n\"0\"\r\n\"0\"\r\n\"0\"\r\n\"0\"\r\n\"0\"\r\n\"0\"\r\n\"0\"\r\n\"0\"\r\n\"0\"\r\n\"0\"\r\n\"0\"\r\n\"0\"\r\n\"0\"\r\n\"0\"\r\n\"0\"\r\n\"0\"\r\n\"0\"\r\n\"0\"\r\n\"0\"\r\n\"0\"\r\n\"0\"\r\n\"0\"\r\n\"0\"\r\n\"0\"\r\n\"0\"\r\n"

# Copy first cell to all: No changes nothing; Yes fills 1..50 with cell 1, not cell 0.
set frmWaveEdit.txtYvalue(1) 20
answer No
click frmWaveEdit.cmdCopy
expect frmWaveEdit.txtYvalue(2) text -99
answer Yes
click frmWaveEdit.cmdCopy
expect frmWaveEdit.txtYvalue(50) text 20
expect frmWaveEdit.txtYvalue(0) text "12.6 V dc"
# Move along by one: 1, 2, 3 become 1, 1, 2, 3; the old cell 50 is gone.
set frmWaveEdit.txtYvalue(2) 2
set frmWaveEdit.txtYvalue(3) 3
set frmWaveEdit.txtYvalue(49) 49
answer Yes
click frmWaveEdit.cmdMoveUp
expect frmWaveEdit.txtYvalue(2) text 20
expect frmWaveEdit.txtYvalue(3) text 2
expect frmWaveEdit.txtYvalue(4) text 3
expect frmWaveEdit.txtYvalue(50) text 49

click frmWaveEdit.cmdFreezeWave
expect frmWaveEdit.cmdFreezeWave text "Un-Freeze..."
expect ScopePaused -1
click frmWaveEdit.cmdFreezeWave
expect frmWaveEdit.cmdFreezeWave text "Freeze Wave"
expect ScopePaused 0
sweep 3
expect MultiScope.scopescreen opcount 3
