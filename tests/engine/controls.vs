# The driver's controls window and the driver commands of the right-button menu.
menu Systems > Controls
show frmControls
expect frmControls caption Controls
expect frmControls.optThrottleOff checked true
expect frmControls.optGear(0) checked true
expect frmControls.chkAuto value 0

# The window sits to the right of the engine-management window (11750 twips wide).
expect frmControls left 11800
expect frmControls top 50
expect frmControls width 2500
expect frmControls height 4700

# With the engine stopped the speed cannot be changed.
click frmControls.cmdThrottleUp
expect event beep
expect message "Can't change engine speed it's not running yet!"
expect event "\"icon\":\"none\""
click frmControls.cmdThrottleDown
expect message "Can't change engine speed it's not running yet!"
menu Mouse > Increase Engine Speed
expect message "Can't increase engine speed it's not running yet!"
expect EngineSpeed 0

# Auto run is refused and unticks itself.
click frmControls.chkAuto
expect status "Auto run is only available when the engine has been started..."
expect frmControls.chkAuto value 0

# Gears from the menu: up stops at 5, down stops at neutral, reverse only from the buttons.
menu Mouse > Change down a gear
expect Gear 0
menu Mouse > Change up a gear
menu Mouse > Change up a gear
menu Mouse > Change up a gear
menu Mouse > Change up a gear
menu Mouse > Change up a gear
expect Gear 5
expect frmControls.optGear(5) checked true
menu Mouse > Change up a gear
expect Gear 5
menu Mouse > Change down a gear
expect Gear 4
expect frmControls.optGear(4) checked true
click frmControls.optGear(6)
expect Gear 6
menu Mouse > Change up a gear
expect Gear 5
expect frmControls.optGear(6) checked false

# Throttle buttons keep the throttle position.
menu Mouse > Throttle on
expect frmControls.optThrottleOn checked true
expect ThrottlePosition 1
click frmControls.optThrottleFull
expect ThrottlePosition 2
click frmControls.optThrottleOff
expect ThrottlePosition 0
expect status Ready...

# The engine started from the menu: the key puts the gear in neutral.
menu Mouse > Start / Stop Engine
expect EngineRunning -1
expect Gear 0
expect frmControls.lblStatus text "Engine is running..."

# Throttle Down: never below the 800 idle.
let EngineSpeed 850
click frmControls.cmdThrottleDown
expect EngineSpeed 800
click frmControls.cmdThrottleDown
expect EngineSpeed 800
let EngineSpeed 300
click frmControls.cmdThrottleDown
expect EngineSpeed 800
let EngineSpeed 1500
click frmControls.cmdThrottleDown
expect EngineSpeed 1400

# Throttle Up and Increase Engine Speed: never above 7000.
let EngineSpeed 6950
click frmControls.cmdThrottleUp
expect EngineSpeed 7000
click frmControls.cmdThrottleUp
expect EngineSpeed 7000
let EngineSpeed 6950
menu Mouse > Increase Engine Speed
expect EngineSpeed 7000
menu Mouse > Increase Engine Speed
expect EngineSpeed 7000
let EngineSpeed 1000
menu Mouse > Increase Engine Speed
expect EngineSpeed 1100

# Auto run may be ticked now.
click frmControls.chkAuto
expect frmControls.chkAuto value 1

menu Mouse > Start / Stop Engine
expect EngineRunning 0
expect frmControls.lblStatus text "Engine is stopped..."
expect frmControls.chkAuto value 0
expect frmControls.optThrottleOff checked true
expect frmControls.optGear(0) checked true
