# The scope's Live source: the trace and the meter follow the running engine and the faults,
# and the choice is kept for the next start. (The signals themselves: tests/sim.)
menu File > Start / Stop Engine
menu Tools > MultiScope
expect MultiScope.optStored checked true
click MultiScope.optLive
drop FRMsimulation.lblECU(1) MultiScope.cmdConnection
expect MultiScope.cmdConnection text "Connected: Engine speed"
# The screen takes the point's own: a whole turn of the wheel at idle (10 ms a division), the
# volts ranging from 2 V a division, the trigger on the gap's larger swing.
show MultiScope
expect event "\"timebase\":\"10 ms/div\""
show MultiScope
expect event "\"level\":2.5"
expect MultiScope.lblVoltsValue text "Auto"

# The crank sensor at idle and at 4000 rev/min, at 1 ms a division: the teeth at 800 and 4000 Hz,
# a larger wave, the range up to keep it on the screen. The trigger on every tooth's zero crossing.
set FRMsimulation.HSB_engine_speed 800
set MultiScope.sldTime 3
set MultiScope.spnLevel 0
sweep 24
expect MultiScope.lblDMM text "  1.4 V (ac)"
show MultiScope
expect event "\"volts\":\"2 V/div (auto)\""
show MultiScope
expect event "Frequency 800.0 Hz"
set FRMsimulation.HSB_engine_speed 4000
sweep 24
expect MultiScope.lblDMM text "  12.0 V (ac)"
show MultiScope
expect event "\"volts\":\"10 V/div (auto)\""
show MultiScope
expect event "Frequency 3.997 kHz"
# The Volts control's own ranges: 5 V a division, the screen cutting off the gap's swing.
set MultiScope.vscVolts1 6
expect MultiScope.lblVoltsValue text "5 V"
show MultiScope
expect event "\"volts\":\"5 V/div\""
set MultiScope.vscVolts1 0

# Stored again: the point's waveform file and its meter text, the controls' own ranges, as ever.
click MultiScope.optStored
expect MultiScope.lblDMM text "  1.4 V (ac)"
expect MultiScope.sldTime value 1
expect MultiScope.vscVolts1 value 2
show MultiScope
expect noevent "\"source\":\"Live\""
click MultiScope.optLive
expect MultiScope.sldTime value 3

# The load sensor's signal pin, open at the unit: 0.0 V on the meter and the trace on the zero
# line; mended, the signal comes back.
set FRMsimulation.HSB_engine_speed 800
drop FRMsimulation.lblECU(3) MultiScope.cmdConnection
sweep 24
expect MultiScope.lblDMM text "  1.4 V (dc)"
click frmFaults.chkFault(14)
sweep 24
expect MultiScope.lblDMM text "  0.0 V (dc)"
show MultiScope
expect event "\"trace\":[0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0]"
show MultiScope
expect event "Frequency no signal"
click frmFaults.chkFault(14)
sweep 24
# (The scan left the load at 0 %: the manifold's idle vacuum reads a little lower than before.)
expect MultiScope.lblDMM text "  1.0 V (dc)"
show MultiScope
expect noevent "\"trace\":[0,0,0,0,0,0,0,0,0,0,0"

#! restart
menu Tools > MultiScope
expect MultiScope.optLive checked true
expect MultiScope.optStored checked false
