# A first run with an empty settings store.
expect event "text":"Loading, please wait..."
expect status Loading, please wait...
expect Mileage 0
expect TripDistance 0
expect ArrivalDistance 0
expect ElapsedTime 0
expect FuelLevel 60
expect SystemVoltage 12
expect ToolMode 1
expect ConnectionName Blank
expect PanelWidth 3000
expect OptionFlags 0,1,0,0,0,0,1,1,0,1
expect EngineRunning 0
# The splash window held the program for two seconds before the main window.
expect frmMainscreen caption Vantorel
expect frmMainscreen.StatusBar1(1) text "Loading, please wait..."
# The splash window's fixed captions.
expect frmSplash.lblVersion text "Version 1.0.0"
expect frmSplash.lblProductName text Vantorel
expect frmSplash.lblPlatform text "for Linux"
expect frmMainscreen.StatusBar1 visible true
expect frmMainscreen.StatusBar1(2) text "Telemetry off... "
# Nothing is stored until the user exits.
state
