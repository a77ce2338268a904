# The telemetry tick: the first tick and the tick after sample 300 clear the charts; the
# channels as stored (knock, temperature, injection halves to even); a gauge on channel 0.
menu Tools > Telemetry
expect ToolMode 9
expect MultiScope.picTelemetry visible true
expect MultiScope.lblCircuit text "Lap: 1"
expect GaugeMax(1) 100
expect MultiScope.Command1 text Save
expect MultiScope.cmdClear text "Clear data"
expect MultiScope.cmbKeys text "?"
expect MultiScope.picCircuit scale 0,0,200,200
expect MultiScope.picCircuit picture circuit.png

# First tick: cleared charts, sample 1; an unassigned gauge is a clock at zero reading 0.0
# and its chart draws along the zero level.
telemetry
expect TelemetrySample 1
expect MultiScope.Picture2(1) opcount 1
expect MultiScope.Picture2(1) ends 1,100
expect MultiScope.Picture2(1) scale 0,0,300,102
expect MultiScope.lblReading(1) text 0.0
expect MultiScope.Picture1(1) opcount 4
expect MultiScope.shpBarBack(1) visible false
telemetry 2
expect MultiScope.Picture2(2) ends 1,100,2,100,3,100
show MultiScope.Picture2(2)
expect event "\"color\":[128,0,0]"

# Knock, temperature and injection on the three gauges.
click MultiScope.cmdGauge(1)
pick frmTelemetryOptions.cmbSelectInput "04 Knock"
click frmTelemetryOptions.cmdOK
click MultiScope.cmdGauge(2)
pick frmTelemetryOptions.cmbSelectInput "07 Engine Temperature"
click frmTelemetryOptions.cmdOK
click MultiScope.cmdGauge(3)
pick frmTelemetryOptions.cmbSelectInput "10 Injection Duration"
click frmTelemetryOptions.cmdOK
let Knock -1
let EngineTemperature -5
let InjectionDuration 2.5
telemetry
expect MultiScope.lblReading(1) text 1.0
expect MultiScope.lblReading(2) text 0.0
expect MultiScope.lblReading(3) text 2.0
let Knock 0
let EngineTemperature 95
let InjectionDuration 3.5
let EngineSpeed 2500
telemetry
expect MultiScope.lblReading(1) text 0.0
expect MultiScope.lblReading(2) text 95.0
expect MultiScope.lblReading(3) text 4.0
expect TelemetrySample 5
expect MultiScope.Picture2(2) scale 0,0,300,153

# Sample 300 is the end of the pass: the next tick clears the charts and stores sample 1.
let TelemetrySample 299
telemetry
expect TelemetrySample 300
expect MultiScope.Picture2(3) opcount 6
telemetry
expect TelemetrySample 1
expect MultiScope.Picture2(3) opcount 1
expect MultiScope.Picture2(3) ends 1,26

# Clear data starts a new pass at the next tick; closing the window does too.
telemetry 3
click MultiScope.cmdClear
expect TelemetrySample 0
expect MultiScope.Picture2(1) opcount 0
expect MultiScope.Picture2(1) pen -5000,0
telemetry
expect TelemetrySample 1
close MultiScope
expect TelemetrySample 0

# The reopened window's timer starts a new pass; the car's position is kept, the lap is 1.
menu Tools > Telemetry
telemetry
expect TelemetrySample 1
expect MultiScope.Picture2(1) opcount 1
expect MultiScope.lblCircuit text "Lap: 1"

# The keys help.
click MultiScope.cmbKeys
expect message "If the 'Telemetry' screen is showing, click on the track and then...\r\n\r\nHome - Starts/Resets the lap from the start/finish line\r\n\r\nPgUp and PgDn - Throttle/Brakes on/off to drive the car"
expect event "\"title\":\"Circuit Keys\""
