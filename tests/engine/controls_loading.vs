# The driver controls window is loaded on first use. Loading it shows its design state
# (neutral, throttle off, auto run off) without running the buttons' click handling, so a
# gear command that loads the window keeps the gear it has just chosen.
expect Gear 0
menu Mouse > Change up a gear
expect Gear 1
expect frmControls.optGear(1) checked true
expect frmControls.optGear(0) checked false
menu Mouse > Change up a gear
expect Gear 2

# The close box unloads the window; the next gear command loads it afresh.
close frmControls
menu Mouse > Change up a gear
expect Gear 3
expect frmControls.optGear(3) checked true
close frmControls
menu Mouse > Change down a gear
expect Gear 2
expect frmControls.optGear(2) checked true

# "Throttle on" on a freshly loaded window.
close frmControls
menu Mouse > Throttle on
expect ThrottlePosition 1
expect frmControls.optThrottleOn checked true
expect frmControls.optGear(0) checked true
expect Gear 2

# Loading by the main tick (auto run reads its box) leaves the gear and throttle alone too.
close frmControls
tick
expect Gear 2
expect ThrottlePosition 1
expect frmControls.optGear(0) checked true
expect frmControls.optThrottleOff checked true
expect frmControls.chkAuto value 0
