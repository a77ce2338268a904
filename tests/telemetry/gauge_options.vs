# The gauge options: placement and captions, channel 00, Bar then Cancel, Engine Speed with
# its full scale, the bar's end and the needle at 3750 rev/min.
menu Tools > Telemetry
click MultiScope.cmdGauge(2)
expect frmTelemetryOptions caption "Telemetry Gauge Options"
expect frmTelemetryOptions left 7000
expect frmTelemetryOptions top 2300
expect frmTelemetryOptions width 4500
expect frmTelemetryOptions height 2600
expect frmTelemetryOptions.lblOptions text "Telemetry chart and gauge number:  2"
expect frmTelemetryOptions.lblGaugeTitle text "Current assignment: Gauge"
expect frmTelemetryOptions.cmbSelectInput text "00 Select Input Source..."
expect frmTelemetryOptions.fraSample2 text "Sample 2"
# 00 keeps the full scale and titles the gauge.
click frmTelemetryOptions.cmdOK
expect GaugeChannel(2) 0
expect GaugeMax(2) 100
expect MultiScope.lblGauge(2) text "Select Input Source..."
expect MultiScope.lblMin(2) text 0
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
expect MultiScope.Picture1(1) scale 0,0,150,30
expect MultiScope.Picture1(1) backcolor 192,192,255
expect MultiScope.Picture1(1) ends 25,15
expect MultiScope.Picture1(1) drawwidth 5

# Engine Speed: full scale 7500; at 3750 the bar ends at 75, the clock's needle straight up.
click MultiScope.cmdGauge(1)
expect frmTelemetryOptions.lblOptions text "Telemetry chart and gauge number:  1"
pick frmTelemetryOptions.cmbSelectInput "05 Engine Speed"
click frmTelemetryOptions.cmdOK
expect GaugeMax(1) 7500
expect MultiScope.lblMax(1) text 7500
expect MultiScope.lblMin(1) text 0
expect MultiScope.lblGauge(1) text "Engine Speed"
click MultiScope.cmdGauge(3)
pick frmTelemetryOptions.cmbSelectInput "05 Engine Speed"
click frmTelemetryOptions.optClock
click frmTelemetryOptions.cmdOK
expect GaugeStyle(3) Clock
let EngineSpeed 3750
telemetry
expect MultiScope.Picture1(1) ends 75,15
expect MultiScope.lblReading(1) text 3750.0
expect MultiScope.Picture2(1) scale 0,0,300,7650
expect MultiScope.Picture2(1) ends 1,100,2,3750
expect MultiScope.Picture1(3) scale 0,0,140,66
show MultiScope.Picture1(3)
expect event "\"points\":[[70,90]],\"radius\":75,\"start\":-1.5507964"
# Above full scale the bar passes 125; nothing is clamped.
let EngineSpeed 11250
telemetry
expect MultiScope.Picture1(1) ends 175,15
