# The gauge options outlive the instrument's window: closed while they are open, the
# instrument is loaded again for the gauge's new channel, and shows it when opened.
menu Tools > Telemetry
click MultiScope.cmdGauge(1)
expect frmTelemetryOptions.lblGaugeTitle text "Current assignment: Gauge"
close MultiScope
pick frmTelemetryOptions.cmbSelectInput "05 Engine Speed"
click frmTelemetryOptions.cmdOK
expect GaugeChannel(1) 5
menu Tools > Telemetry
expect MultiScope.lblGauge(1) text "Engine Speed"
