# The starting and charging windows: place and size on activation, connection points with
# their captions, the battery-voltage scroll bar and the key button.
menu Systems > Starting
expect frmStarting caption "Starting system"
expect frmStarting left 50
expect frmStarting top 50
expect frmStarting width 11750
expect frmStarting height 4700
expect frmStarting.cmdStarter text Ignition/Starter
expect frmStarting.pbrStarter max 200
expect frmStarting.hsbVoltage min 0
expect frmStarting.hsbVoltage max 12
expect frmStarting.Label1 text "Normal Range"
expect frmStarting.Label2 text Slow
expect frmStarting.lblSystem(0) text Input
expect frmStarting.lblSystem(1) text Control
expect frmStarting.lblSystem(2) text Output
expect frmStarting.lblKey(0) text "Starter switch"
expect frmStarting.lblKey(1) text "Starter switch"
expect frmStarting.lblVoltage(0) text "Starter supply"
expect frmStarting.lblVoltage(1) text "Starter supply"
expect frmStarting.lblVoltage(3) text "Starter supply"
expect frmStarting.lblEarth(2) text "Starter earth"
expect frmStarting.lblCrankingSpeed(0) text "Starter speed"
expect frmStarting.txtCrankingSpeed text Speed
expect frmStarting.txtVoltage text Volts

menu Systems > Charging
expect frmCharging caption "Charging system"
expect frmCharging left 50
expect frmCharging width 11750
expect frmCharging height 4700
expect frmCharging.pbrSystemVolts max 20
expect frmCharging.Label2 text Low
expect frmCharging.Label3 text High
expect frmCharging.lblWL(0) text "Charge warning light"
expect frmCharging.lblWL(3) text "Charge warning light"
expect frmCharging.lblAlternatorSpeed text "Alternator speed"
expect frmCharging.lblOutputVoltage(2) text "System voltage"
expect frmCharging.lblEngineSpeed(0) text "Engine speed"
expect frmCharging.lblEarth(1) text "Alternator earth"
expect frmCharging.txtAlternatorSpeed text Rev/min

# The battery voltage takes effect at once in the shared variable.
set frmStarting.hsbVoltage 11
expect SystemVoltage 11
set frmStarting.hsbVoltage 12
expect SystemVoltage 12

# A right click on either window pops up the main window's menu.
rclick frmStarting
rclick frmCharging
expect frmMainscreen.menuMouseCloseCurrentWindow enabled true

# The key button is the main window's Start / Stop command.
click frmStarting.cmdStarter
expect EngineRunning -1
expect frmCharging.txtEngineSpeed text 800
click frmStarting.cmdStarter
expect EngineRunning 0

# Closing unloads the window; the next reading loads it afresh.
close frmStarting
expect frmStarting visible false
expect frmStarting.hsbVoltage value 12
