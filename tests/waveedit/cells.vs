# The cells: the range rules when a cell takes the focus (seen in the saved file), the
# enlarged look, a save button's focus, copying and moving along, and Freeze Wave.
#! sh printf '"%s"\r\n' "12.6 V dc" 150 -120 "" abc 12.5 99.0 12abc -0.0 "  -98.5" 1e400 -1e400 nan inf 5e1 120abc > "$work/data/wave.msf"

menu Tools > MultiScope
answer file wave.msf
menu File > Open...
dblclick MultiScope.scopescreen
focus frmWaveEdit.txtYvalue(20)
expect frmWaveEdit.txtYvalue(20) text 0
show frmWaveEdit.txtYvalue(20)
expect event "\"bold\":true,\"enabled\":true,\"event\":\"show\",\"family\":\"DejaVu Serif\",\"fore\":[0,0,0],\"height\":600,\"left\":5880,\"locked\":false,\"pointsize\":12,\"selected\":\"\",\"target\":\"frmWaveEdit.txtYvalue(20)\",\"text\":\"0\",\"tooltip\":\"\",\"top\":1620,\"type\":\"QLineEdit\",\"visible\":true,\"width\":600"
# 150 typed, then a save button takes the focus: saved as typed, in its normal look.
set frmWaveEdit.txtYvalue(16) 150
focus frmWaveEdit.cmdSave
expect frmWaveEdit.txtYvalue(20) width 300
click frmWaveEdit.cmdSave
expect filetext DATA:wave.msf "\"12.6 V dc\"\r\n\"99\"\r\n\"-99\"\r\n\"0\"\r\n\"0\"\r\n\"12.5\"\r\n\"99\"\r\n\"12abc\"\r\n\"0\"\r\n\"  -98.5\"\r\n\"99\"\r\n\"-99\"\r\n\"0\"\r\n\"0\"\r\n\"5e1\"\r\n\"99\"\r\n\"150\"\r\n\"0\"\r\n\"0\"\r\n\"0\"\r\n\"0\"\r\n\"0\"\r\n\"0\"\r\n\"0\"\r\n\"0\"\r\n\"0\"\r\n\"0\"\r\n\"0\"\r\n\"0\"\r\n\"0\"\r\n\"0\"\r\n\"0\"\r\n\"0\"\r\n\"0\"\r\n\"0\"\r\n\"0\"\r\n\"0\"\r\n\"0\"\r\n\"0\"\r\n\"0\"\r\n\"0\"\r\n\"0\"\r\n\"0\"\r\n\"0\"\r\n\"0\"\r\n\"0\"\r\n\"0\"\r\n\"0\"\r\n\"0\"\r\n\"0\"\r\n\"0\"\r\n"

# The next cell: the previous one back to normal, the new one enlarged with its text selected
# from the caret to the end; the last cell stays inside the window; the DMM cell enlarges none.
set frmWaveEdit.txtYvalue(21) 45.25
key frmWaveEdit.txtYvalue(21) Home
key frmWaveEdit.txtYvalue(21) Right
focus frmWaveEdit.txtYvalue(21)
expect frmWaveEdit.txtYvalue(21) selected 5.25
expect frmWaveEdit.txtYvalue(16) text 99
focus frmWaveEdit.txtYvalue(50)
expect frmWaveEdit.txtYvalue(21) pointsize 6
expect frmWaveEdit.txtYvalue(50) width 600
focus frmWaveEdit.txtYvalue(0)
expect frmWaveEdit.txtYvalue(50) width 300

# Copy first cell to all: No changes nothing; Yes fills 1..50 with cell 1, not cell 0.
set frmWaveEdit.txtYvalue(1) 20
answer No
click frmWaveEdit.cmdCopy
expect event "\"buttons\":[\"Yes\",\"No\"],\"default\":false,\"event\":\"message\",\"icon\":\"none\",\"text\":\"Are you sure you want to copy the first cell value to all the others?\""
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
expect message "Are you sure you want to move all the cell values along by one?"
expect frmWaveEdit.txtYvalue(2) text 20
expect frmWaveEdit.txtYvalue(3) text 2
expect frmWaveEdit.txtYvalue(4) text 3
expect frmWaveEdit.txtYvalue(50) text 49

# Freeze Wave twice: the caption and the sweep come back; frozen again while sweeping, the
# sweep ends at the right edge with its trace.
click frmWaveEdit.cmdFreezeWave
expect frmWaveEdit.cmdFreezeWave text "Un-Freeze..."
expect ScopePaused -1
click frmWaveEdit.cmdFreezeWave
expect frmWaveEdit.cmdFreezeWave text "Freeze Wave"
expect ScopePaused 0
sweep 3
expect MultiScope.scopescreen opcount 3
click frmWaveEdit.cmdFreezeWave
sweep 60
expect MultiScope.scopescreen opcount 51
