# The telemetry tick: the first tick and the tick after sample 300 clear the charts.
menu Tools > Telemetry
# First tick: sample 1; an unassigned gauge reads 0.0, its chart on the zero level.
telemetry
expect TelemetrySample 1
expect MultiScope.Picture2(1) opcount 1
expect MultiScope.Picture2(1) ends 1,100
expect MultiScope.lblReading(1) text 0.0
telemetry

let TelemetrySample 299
telemetry
expect TelemetrySample 300
expect MultiScope.Picture2(1) opcount 3
telemetry
expect TelemetrySample 1
expect MultiScope.Picture2(1) opcount 1
