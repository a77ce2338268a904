# The telemetry device under auto run for 30 seconds (five at a time): car on the circuit, three traces, one
# bar and two clocks (each clock is drawn over itself, four operations a second).
seed 3
menu Tools > Telemetry
menu File > Start / Stop Engine
click frmControls.chkAuto
click MultiScope.cmdGauge(1)
pick frmTelemetryOptions.cmbSelectInput "05 Engine Speed"
click frmTelemetryOptions.optBar
click frmTelemetryOptions.cmdOK
click MultiScope.cmdGauge(2)
pick frmTelemetryOptions.cmbSelectInput "08 Road Speed"
click frmTelemetryOptions.optClock
click frmTelemetryOptions.cmdOK
click MultiScope.cmdGauge(3)
pick frmTelemetryOptions.cmbSelectInput "06 Engine Load"
click frmTelemetryOptions.cmdOK
tick 5
telemetry 5
tick 5
telemetry 5
tick 5
telemetry 5
tick 5
telemetry 5
tick 5
telemetry 5
tick 5
telemetry 5
expect TelemetrySample 30
expect MultiScope.Picture2(1) opcount 30
expect MultiScope.Picture2(3) opcount 30
expect MultiScope.shpBarBack(1) visible true
expect MultiScope.shpBarBack(2) visible false
expect MultiScope.Picture1(2) opcount 120
expect MultiScope.lblReading(1) text 1020.0
expect MultiScope.shpCar left 82
expect MultiScope.shpCar top 175
