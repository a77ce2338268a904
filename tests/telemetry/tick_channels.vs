# The telemetry tick: the first tick and the tick after sample 300 clear the charts; the
# channels as stored (knock, temperature, injection halves to even); a gauge on channel 0.
menu Tools > Telemetry
# First tick: cleared charts, sample 1; an unassigned gauge reads 0.0 and its chart draws
# along the zero level.
telemetry
expect TelemetrySample 1
expect MultiScope.Picture2(1) opcount 1
expect MultiScope.Picture2(1) ends 1,100
expect MultiScope.lblReading(1) text 0.0

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
let InjectionDuration 3.5
telemetry
expect MultiScope.lblReading(3) text 4.0

# Sample 300 is the end of the pass: the next tick clears the charts and stores sample 1.
let TelemetrySample 299
telemetry
expect TelemetrySample 300
expect MultiScope.Picture2(3) opcount 4
telemetry
expect TelemetrySample 1
expect MultiScope.Picture2(3) opcount 1
