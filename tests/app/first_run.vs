# A first run with an empty settings store: the splash's loading line stays on the status
# bar, the trip figures start at zero with a full tank.
expect status Loading, please wait...
expect Mileage 0
expect ElapsedTime 0
expect FuelLevel 60
expect frmMainscreen.StatusBar1(2) text "Telemetry off... "
