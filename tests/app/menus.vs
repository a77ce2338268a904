# Main window commands: menus, toolbar and the right-button pop-up.
expect frmMainscreen.menuRunStartStopEngine caption "&Start / Stop Engine"
expect frmMainscreen.menuFileExit caption "E&xit"
expect frmMainscreen.menuSystemCharging caption "Chargin&g"
expect frmMainscreen.mnuruninstruments caption "Instr&uments"
expect frmMainscreen.menuToolsFillTank caption "&Fill Tank"
expect frmMainscreen.btnStart tooltip "Ignition/Starter"
expect frmMainscreen.btnDiagnostics tooltip "Diagnostics"
# Window commands show and bring to front.
menu Systems > Instruments
expect frmInstruments visible true
expect frmInstruments caption Instruments
expect frmInstruments width 5250
expect frmInstruments height 1850
menu Systems > Trip Computer
expect frmTripComputer visible true
expect frmTripComputer top 8000
expect frmTripComputer left 50
menu Systems > Controls
expect frmControls visible true
menu Systems > Engine Management
expect FRMsimulation visible true
# Close hides the active child window.
menu File > Close
expect FRMsimulation visible false
# Properties names the active window.
menu Systems > Trip Computer
menu File > Properties
expect event "The active window is 'Trip Computer'"
# Fill Tank.
let FuelLevel 12.5
menu Tools > Fill Tank
expect FuelLevel 60
expect message "Fuel tank filled up, thank you for your custom!"
expect event "icon":"information"
# The instruments and trip computer hide instead of closing.
close frmInstruments
expect frmInstruments visible false
close frmTripComputer
expect frmTripComputer visible false
menu Systems > Trip Computer
expect frmTripComputer visible true
# Close All hides the simulation windows, forgets the tool and says Ready.
let ToolMode 3
menu File > Close All
expect ToolMode 1
expect status Ready...
expect frmTripComputer visible false
expect frmControls visible false
# About.
menu Help > About
expect frmAbout caption "About Vantorel"
expect frmAbout.lblVersion text "Version 1.0.0"
expect frmAbout.lblTitle text Vantorel
expect frmAbout.cmdOK text OK
expect frmAbout.cmdSysInfo text "System Info..."
click frmAbout.cmdSysInfo
expect message "System Information Is Unavailable At This Time"
click frmAbout.cmdOK
expect frmAbout visible false
# Help opens the help file through the shell.
menu Help > Help
expect event "event":"shell"
menu Help > ZR Web Site
expect event "event":"shell"
# The pop-up's Close Current Window hides the active window.
menu Systems > Instruments
menu Mouse > Close Current Window
expect frmInstruments visible false
# Driver commands refuse a stopped engine.
menu Mouse > Increase Engine Speed
expect message "Can't increase engine speed it's not running yet!"
expect EngineSpeed 0
# Tools > Diagnostics toggles the diagnostics window; the toolbar's Diag does the same.
menu Tools > Diagnostics
expect frmDiagnostics visible true
expect status "Select system and diagnostic routine..."
toolbar btnDiagnostics
expect frmDiagnostics visible false
expect status Ready...
# The toolbar's Start is File > Start / Stop Engine: Ready..., the controls and instruments
# windows, and the key is turned (and turned back).
menu File > Close All
let EngineSpeed 0
menu Tools > Diagnostics
expect status "Select system and diagnostic routine..."
toolbar btnStart
expect event "text":"Ready..."
expect event "text":"Engine is running..."
expect frmControls visible true
expect frmInstruments visible true
expect EngineRunning -1
menu Mouse > Start / Stop Engine
expect EngineRunning 0
# A right click on the main window's background pops up the menu and leaves "Close Current
# Window" enabled again afterwards; on the trip computer it does the same.
rclick frmMainscreen.MDIArea
expect frmMainscreen.menuMouseCloseCurrentWindow enabled true
rclick frmTripComputer
expect frmMainscreen.menuMouseCloseCurrentWindow enabled true
# Entries whose windows are built elsewhere run without failing.
menu Tools > Memory Maps
menu Tools > User Details
menu Tools > Options
menu Help > Tip Of The Day
menu File > Login...
menu Systems > Set Faults...
menu Systems > Starting
menu Systems > Charging
# Unknown entries are errors of the script, not of the program.
expect noevent "event":"error"
