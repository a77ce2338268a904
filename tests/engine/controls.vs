# The driver's controls window and the driver commands of the right-button menu.
# The window is loaded on first use by a gear command, which keeps the gear it has chosen.
menu Mouse > Change up a gear
expect Gear 1
expect frmControls.optGear(1) checked true
expect frmControls.optGear(0) checked false
# The close box unloads it; the next command loads it afresh.
close frmControls
menu Mouse > Throttle on
expect ThrottlePosition 1
expect frmControls.optThrottleOn checked true
expect frmControls.optGear(0) checked true
expect Gear 1
click frmControls.cmdThrottleUp
expect event beep
expect message "Can't change engine speed it's not running yet!"
menu Mouse > Increase Engine Speed
expect message "Can't increase engine speed it's not running yet!"
click frmControls.chkAuto
expect status "Auto run is only available when the engine has been started..."
expect frmControls.chkAuto value 0

# Gears from the menu: up stops at 5, down at neutral; reverse only from the buttons.
menu Mouse > Change down a gear
menu Mouse > Change down a gear
expect Gear 0
click frmControls.optGear(5)
menu Mouse > Change up a gear
expect Gear 5
click frmControls.optGear(6)
menu Mouse > Change up a gear
expect Gear 5
click frmControls.optThrottleFull
expect ThrottlePosition 2

menu Mouse > Start / Stop Engine
expect Gear 0
expect frmControls.lblStatus text "Engine is running..."
let EngineSpeed 850
click frmControls.cmdThrottleDown
expect EngineSpeed 800
let EngineSpeed 6950
click frmControls.cmdThrottleUp
expect EngineSpeed 7000
click frmControls.chkAuto
expect frmControls.chkAuto value 1
menu Mouse > Start / Stop Engine
expect frmControls.lblStatus text "Engine is stopped..."
expect frmControls.chkAuto value 0
expect frmControls.optThrottleOff checked true
expect frmControls.optGear(0) checked true
