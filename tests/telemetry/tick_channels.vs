# The telemetry tick: the first tick and the tick after sample 300 clear the charts; a gauge
# shows its channel as stored (the conversions themselves are unit-tested).
menu Tools > Telemetry
# First tick: sample 1; an unassigned gauge reads 0.0, its chart on the zero level.
telemetry
expect TelemetrySample 1
expect MultiScope.Picture2(1) opcount 1
expect MultiScope.Picture2(1) ends 1,100
expect MultiScope.lblReading(1) text 0.0

# Knock on a gauge: -1 is stored as 1.
click MultiScope.cmdGauge(1)
pick frmTelemetryOptions.cmbSelectInput "04 Knock"
click frmTelemetryOptions.cmdOK
let Knock -1
telemetry
expect MultiScope.lblReading(1) text 1.0

let TelemetrySample 299
telemetry
expect TelemetrySample 300
expect MultiScope.Picture2(1) opcount 3
telemetry
expect TelemetrySample 1
expect MultiScope.Picture2(1) opcount 1
