# The cells: the range rules when a cell takes the focus, the enlarged look of the focused
# cell, a save button's focus, copying and moving along, and Freeze Wave.
#! sh { printf '"  4.2 V"\r\n'; for i in $(seq 1 50); do printf '"%s"\r\n' $i; done; } > "$work/data/wave.msf"

menu Tools > MultiScope
answer file wave.msf
menu File > Open...
dblclick MultiScope.scopescreen

# Focus entering a cell brings cells 1..50 into range; values strictly inside keep their
# text as typed; the DMM cell is never touched.
set frmWaveEdit.txtYvalue(0) "12.6 V dc"
set frmWaveEdit.txtYvalue(1) 150
set frmWaveEdit.txtYvalue(2) -120
set frmWaveEdit.txtYvalue(3) ""
set frmWaveEdit.txtYvalue(4) abc
set frmWaveEdit.txtYvalue(5) 12.5
set frmWaveEdit.txtYvalue(6) 99.0
set frmWaveEdit.txtYvalue(7) 12abc
set frmWaveEdit.txtYvalue(8) 98.9
set frmWaveEdit.txtYvalue(9) -0.0
set frmWaveEdit.txtYvalue(10) "  -98.5"
set frmWaveEdit.txtYvalue(11) 120abc
set frmWaveEdit.txtYvalue(12) 1e400
set frmWaveEdit.txtYvalue(13) -1e400
set frmWaveEdit.txtYvalue(14) nan
set frmWaveEdit.txtYvalue(15) inf
set frmWaveEdit.txtYvalue(16) 5e1
set frmWaveEdit.txtYvalue(50) -99
focus frmWaveEdit.txtYvalue(20)
expect frmWaveEdit.txtYvalue(0) text "12.6 V dc"
expect frmWaveEdit.txtYvalue(1) text 99
expect frmWaveEdit.txtYvalue(2) text -99
expect frmWaveEdit.txtYvalue(3) text 0
expect frmWaveEdit.txtYvalue(4) text 0
expect frmWaveEdit.txtYvalue(5) text 12.5
expect frmWaveEdit.txtYvalue(6) text 99
expect frmWaveEdit.txtYvalue(7) text 12abc
expect frmWaveEdit.txtYvalue(8) text 98.9
expect frmWaveEdit.txtYvalue(9) text 0
expect frmWaveEdit.txtYvalue(10) text "  -98.5"
expect frmWaveEdit.txtYvalue(11) text 99
expect frmWaveEdit.txtYvalue(12) text 99
expect frmWaveEdit.txtYvalue(13) text -99
expect frmWaveEdit.txtYvalue(14) text 0
expect frmWaveEdit.txtYvalue(15) text 0
expect frmWaveEdit.txtYvalue(16) text 5e1
expect frmWaveEdit.txtYvalue(50) text -99

# The focused cell is enlarged below the row, its left edge kept; the others are normal.
expect frmWaveEdit.txtYvalue(20) left 5880
expect frmWaveEdit.txtYvalue(20) top 1620
expect frmWaveEdit.txtYvalue(20) width 600
expect frmWaveEdit.txtYvalue(20) height 600
expect frmWaveEdit.txtYvalue(20) pointsize 12
expect frmWaveEdit.txtYvalue(20) bold true
expect frmWaveEdit.txtYvalue(19) top 1320
expect frmWaveEdit.txtYvalue(19) width 300
screenshot frmWaveEdit TEMP:zoom20.png

# Moving on: the previous cell goes back to normal, the new one is enlarged, its text
# selected from the caret to the end.
set frmWaveEdit.txtYvalue(21) 45.25
key frmWaveEdit.txtYvalue(21) Home
key frmWaveEdit.txtYvalue(21) Right
focus frmWaveEdit.txtYvalue(21)
expect frmWaveEdit.txtYvalue(21) selected 5.25
expect frmWaveEdit.txtYvalue(21) width 600
expect frmWaveEdit.txtYvalue(20) width 300
expect frmWaveEdit.txtYvalue(20) top 1320
expect frmWaveEdit.txtYvalue(20) pointsize 6
expect frmWaveEdit.txtYvalue(20) bold false

# The last cell stays inside the window when enlarged.
focus frmWaveEdit.txtYvalue(50)
expect frmWaveEdit.txtYvalue(50) width 600
screenshot frmWaveEdit TEMP:zoom50.png

# The DMM cell: the row is checked, nothing is enlarged.
set frmWaveEdit.txtYvalue(30) 500
focus frmWaveEdit.txtYvalue(0)
expect frmWaveEdit.txtYvalue(30) text 99
expect frmWaveEdit.txtYvalue(50) width 300
expect frmWaveEdit.txtYvalue(0) width 2940
expect frmWaveEdit.txtYvalue(0) pointsize 18

# A save button taking the focus restores the normal look and checks nothing.
focus frmWaveEdit.txtYvalue(22)
set frmWaveEdit.txtYvalue(22) 150
focus frmWaveEdit.cmdSaveAs
expect frmWaveEdit.txtYvalue(22) width 300
expect frmWaveEdit.txtYvalue(22) text 150
focus frmWaveEdit.txtYvalue(22)
focus frmWaveEdit.cmdSave
expect frmWaveEdit.txtYvalue(22) width 300
expect frmWaveEdit.txtYvalue(22) text 99
screenshot frmWaveEdit TEMP:normal.png

# Copy first cell to all: No changes nothing; Yes puts cell 1's text in 1..50, not in 0.
set frmWaveEdit.txtYvalue(1) 20
answer No
click frmWaveEdit.cmdCopy
expect event "\"buttons\":[\"Yes\",\"No\"],\"default\":false,\"event\":\"message\",\"icon\":\"none\",\"text\":\"Are you sure you want to copy the first cell value to all the others?\""
expect frmWaveEdit.txtYvalue(2) text -99
answer Yes
click frmWaveEdit.cmdCopy
expect frmWaveEdit.txtYvalue(1) text 20
expect frmWaveEdit.txtYvalue(2) text 20
expect frmWaveEdit.txtYvalue(50) text 20
expect frmWaveEdit.txtYvalue(0) text "12.6 V dc"

# Move along by one: 1, 2, 3 become 1, 1, 2, 3; the old cell 50 is gone; No changes nothing.
set frmWaveEdit.txtYvalue(1) 1
set frmWaveEdit.txtYvalue(2) 2
set frmWaveEdit.txtYvalue(3) 3
set frmWaveEdit.txtYvalue(49) 49
set frmWaveEdit.txtYvalue(50) 50
answer No
click frmWaveEdit.cmdMoveUp
expect message "Are you sure you want to move all the cell values along by one?"
expect frmWaveEdit.txtYvalue(2) text 2
answer Yes
click frmWaveEdit.cmdMoveUp
expect frmWaveEdit.txtYvalue(1) text 1
expect frmWaveEdit.txtYvalue(2) text 1
expect frmWaveEdit.txtYvalue(3) text 2
expect frmWaveEdit.txtYvalue(4) text 3
expect frmWaveEdit.txtYvalue(50) text 49
expect frmWaveEdit.txtYvalue(0) text "12.6 V dc"

# Freeze Wave: the sweep ends at the right edge and stays; pressed again, the caption and
# the sweep timer come back.
click frmWaveEdit.cmdFreezeWave
expect ScopePaused -1
expect frmWaveEdit.cmdFreezeWave text "Un-Freeze..."
sweep 3
expect MultiScope.scopescreen opcount 0
click frmWaveEdit.cmdFreezeWave
expect ScopePaused 0
expect frmWaveEdit.cmdFreezeWave text "Freeze Wave"
sweep 3
expect MultiScope.scopescreen opcount 3
# Frozen while sweeping: the sweep finishes and the trace stays on the screen.
click frmWaveEdit.cmdFreezeWave
sweep 60
expect MultiScope.scopescreen opcount 51
click frmWaveEdit.cmdFreezeWave
sweep 1
expect MultiScope.scopescreen opcount 0
