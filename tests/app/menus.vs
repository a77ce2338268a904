# Main window commands: menus, toolbar and the right-button pop-up.
# Window commands show the window at its place; Close hides the active child window;
# Properties names the active window.
menu Systems > Engine Management
menu File > Close
expect FRMsimulation visible false
menu Systems > Trip Computer
expect frmTripComputer top 8000
menu File > Properties
expect event "The active window is 'Trip Computer'"
let FuelLevel 12.5
menu Tools > Fill Tank
expect FuelLevel 60
expect message "Fuel tank filled up, thank you for your custom!"
# Close All hides the simulation windows, forgets the tool and says Ready.
let ToolMode 3
menu File > Close All
expect ToolMode 1
expect status Ready...
expect frmTripComputer visible false
menu Help > About
click frmAbout.cmdSysInfo
expect message "System Information Is Unavailable At This Time"
menu Help > ZR Web Site
expect event "event":"shell"
# The pop-up's Close Current Window hides the active window.
menu Systems > Instruments
menu Mouse > Close Current Window
expect frmInstruments visible false
# Tools > Diagnostics toggles the diagnostics window; the toolbar's Diag does the same.
menu Tools > Diagnostics
expect status "Select system and diagnostic routine..."
toolbar btnDiagnostics
expect frmDiagnostics visible false
# The toolbar's Start is File > Start / Stop Engine: Ready..., the controls and instruments
# windows, and the key is turned.
toolbar btnStart
expect event "text":"Ready..."
expect frmControls visible true
expect EngineRunning -1
# A right click on the background pops up the menu and leaves "Close Current Window" enabled.
rclick frmMainscreen.MDIArea
expect frmMainscreen.menuMouseCloseCurrentWindow enabled true
expect noevent "event":"error"
