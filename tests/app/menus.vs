# Main window commands: menus, toolbar and the right-button pop-up. Close hides the active child
# window.
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
menu Tools > Diagnostics
expect status "Select system and diagnostic routine..."
toolbar btnDiagnostics
expect frmDiagnostics visible false
toolbar btnStart
expect event "text":"Ready..."
expect frmControls visible true
expect EngineRunning -1
