# The Live screen's cursors from the keyboard, and no keyboard trap: Tab steps the cursors T1,
# T2, V1, V2 and then goes on out of the screen; Shift+Tab the other way, out before T1. The
# right-button menu from the keyboard (Shift+F10, the Menu key) on a connection point.
key frmStarting.cmdStarter Space
key MultiScope.optLive Space
key FRMsimulation.lblECU(1) 1
key MultiScope.chkCursors Space
expect MultiScope.chkCursors checked true
focus MultiScope.scopescreen
expect MultiScope.scopescreen focus true
key MultiScope.scopescreen Tab
key MultiScope.scopescreen Tab
key MultiScope.scopescreen Tab
expect MultiScope.scopescreen focus true
show MultiScope
expect event "\"active\":\"V2\""
# The fourth Tab leaves the screen; the cursor picked stays the last.
key MultiScope.scopescreen Tab
expect MultiScope.scopescreen focus false
show MultiScope
expect event "\"active\":\"V2\""
focus MultiScope.scopescreen
key MultiScope.scopescreen Shift+Tab
key MultiScope.scopescreen Shift+Tab
key MultiScope.scopescreen Shift+Tab
expect MultiScope.scopescreen focus true
show MultiScope
expect event "\"active\":\"T1\""
key MultiScope.scopescreen Shift+Tab
expect MultiScope.scopescreen focus false
# The arrows still move the picked cursor (a time cursor: Left and Right).
show MultiScope.cursor(T1)
expect event "\"divisions\":3"
key MultiScope.scopescreen Right
show MultiScope.cursor(T1)
expect event "\"divisions\":3.02"

# The right-button menu of a window, from the keyboard: the keys are taken, not passed on.
key FRMsimulation.lblECU(1) Shift+F10
key frmStarting.cmdStarter Menu

# A green square on a wire of the charging window connects by its keys as a caption does.
key frmCharging.lblOutputVoltage(1) Enter
expect MultiScope.cmdChannel(0) text "A: System voltage"
expect frmCharging.lblOutputVoltage(1) focus true

# F6: a single capture, the trigger set to Single; with the Stored source there is none to take.
key MultiScope.scopescreen F6
expect MultiScope.cmbTrigger text "Single"
sweep 8
show MultiScope
expect event "\"status\":\"Stopped\""
key MultiScope.optStored Space
key MultiScope.scopescreen F6
expect message "A single capture is taken by the Live screen's trigger: choose Live on the instrument first."
# F8 makes the stored sweep faster: its Timebase is its speed.
expect MultiScope.sldTime value 1
key MultiScope.scopescreen F8
expect MultiScope.sldTime value 2
# Channels B to D are the Live screen's.
key FRMsimulation.lblECU(15) 2
expect message "Channels B to D belong to the Live screen: choose Live on the instrument first, or connect the point to channel A."
# The main window's own pop-up from the keyboard, outside the child windows.
key frmMainscreen.StatusBar1 Shift+F10
key frmMainscreen.StatusBar1 Menu
