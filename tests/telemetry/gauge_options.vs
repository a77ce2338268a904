# The gauge options: channel 00, Bar then Cancel, Engine Speed with its full scale, the bar's
# end and the needle at 3750 rev/min.
menu Tools > Telemetry
click MultiScope.cmdGauge(2)
expect frmTelemetryOptions.cmbSelectInput text "00 Select Input Source..."
click frmTelemetryOptions.cmdOK
expect GaugeChannel(2) 0
expect MultiScope.lblGauge(2) text "Select Input Source..."
expect MultiScope.lblMax(2) text 100

# Bar, then Cancel: the style is kept from the click; nothing else changes.
click MultiScope.cmdGauge(1)
click frmTelemetryOptions.optBar
click frmTelemetryOptions.cmdCancel
expect GaugeStyle(1) Bar
expect GaugeChannel(1) 0
expect MultiScope.lblGauge(1) text Gauge
telemetry
expect MultiScope.shpBarBack(1) visible true
expect MultiScope.Picture1(1) ends 25,15

# Engine Speed: full scale 7500; at 3750 the bar ends at 75, the clock's needle straight up.
click MultiScope.cmdGauge(1)
pick frmTelemetryOptions.cmbSelectInput "05 Engine Speed"
click frmTelemetryOptions.cmdOK
expect MultiScope.lblMax(1) text 7500
expect MultiScope.lblGauge(1) text "Engine Speed"
click MultiScope.cmdGauge(3)
pick frmTelemetryOptions.cmbSelectInput "05 Engine Speed"
click frmTelemetryOptions.optClock
click frmTelemetryOptions.cmdOK
let EngineSpeed 3750
telemetry
expect MultiScope.Picture1(1) ends 75,15
expect MultiScope.lblReading(1) text 3750.0
expect MultiScope.Picture2(1) ends 1,100,2,3750
show MultiScope.Picture1(3)
expect event "\"points\":[[70,90]],\"radius\":75,\"start\":-1.5507964"
