# Main window commands: menus, toolbar and the right-button pop-up. Close hides the active child
# window. The desktop's standard keys are the menu commands' shortcuts; an empty Window menu
# says so. At its own size on a screen large enough the main window is 16000 x 12000 twips inside.
expect frmMainscreen frame 0,0,1071,804
expect frmMainscreen.menuFileOpen shortcut Ctrl+O
expect frmMainscreen.menuFilePrint shortcut Ctrl+P
expect frmMainscreen.menuFileExit shortcut Ctrl+Q
expect frmMainscreen.menuHelpHelp shortcut F1
expect frmMainscreen.menuWindowNone enabled false
expect frmMainscreen.menuWindowNone caption "No windows open"
key frmMainscreen Ctrl+O
expect event "\"kind\":\"open\""
menu Systems > Engine Management
menu File > Close
expect FRMsimulation visible false
menu Systems > Trip Computer
expect frmTripComputer top 8000
let FuelLevel 12.5
menu Tools > Fill Tank
expect FuelLevel 60
expect message "Fuel tank filled up, thank you for your custom!"
menu Systems > Instruments
menu Mouse > Close Current Window
expect frmInstruments visible false
menu Systems > Instruments
key frmInstruments Ctrl+F4
expect frmInstruments visible false
menu Tools > Diagnostics
expect status "Select system and diagnostic routine..."
toolbar btnDiagnostics
expect frmDiagnostics visible false
toolbar btnStart
expect event "text":"Ready..."
expect frmControls visible true
expect EngineRunning -1
