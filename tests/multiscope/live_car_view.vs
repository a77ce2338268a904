# What the fault scan makes the control unit believe and what a probe on the car reads: with
# the temperature sensing broken the unit reads -20 deg C while the sensor itself still reads
# the hot engine; with the voltage sensing broken the unit reads 10 V while the battery and the
# charging system keep their true voltage.
menu File > Start / Stop Engine
menu Tools > MultiScope
click MultiScope.optLive
set FRMsimulation.HSB_engine_temperature 90
drop FRMsimulation.Label8 MultiScope.cmdConnection
sweep 24
expect MultiScope.lblDMM text "  0.5 V (dc)"

# The harness open at the sensor: the unit reads -20 deg C, the sensor the engine's 90.
click frmFaults.chkFault(9)
expect EngineTemperature -20
expect FRMsimulation.HSB_engine_temperature value -20
sweep 24
expect MultiScope.lblDMM text "  0.5 V (dc)"
# The wire beside it and the unit's pin: the unit's 5 V reference, no sensor to pull it down.
drop FRMsimulation.lblECU(4) MultiScope.cmdConnection
sweep 24
expect MultiScope.lblDMM text "  5.0 V (dc)"
click frmFaults.chkFault(9)

# The voltage sensing failed inside the unit: it reads 10 V, the battery is charged at 14 V.
click frmFaults.chkFault(4)
expect SystemVoltage 10
drop FRMsimulation.Label9 MultiScope.cmdConnection
sweep 24
expect MultiScope.lblDMM text "  10.0 V (dc)"
drop frmCharging.lblOutputVoltage(0) MultiScope.cmdConnection
sweep 24
expect MultiScope.lblDMM text "  14.0 V (dc)"
drop frmCharging.lblWL(1) MultiScope.cmdConnection
sweep 24
expect MultiScope.lblDMM text "  14.0 V (dc)"
