# The scope's Live source: the trace and the meter follow the running engine and the faults,
# and the choice is kept for the next start. (The signals themselves: tests/sim.)
menu File > Start / Stop Engine
menu Tools > MultiScope
expect MultiScope.optStored checked true
click MultiScope.optLive
drop FRMsimulation.lblECU(1) MultiScope.cmdConnection
expect MultiScope.cmdConnection text "Connected: Engine speed"

# The crank sensor at idle and at 4000 rev/min: five times the teeth a screen, a larger wave.
set FRMsimulation.HSB_engine_speed 800
sweep 51
sweep 50
show MultiScope
expect event "\"cycles\":1,"
show MultiScope
expect event "\"probe\":\"Engine speed\""
expect MultiScope.lblDMM text "  1.4 V (ac)"
set FRMsimulation.HSB_engine_speed 4000
sweep 51
sweep 50
show MultiScope
expect event "\"cycles\":8,"
show MultiScope
expect event "\"perdivision\":10,"
expect MultiScope.lblDMM text "  12.0 V (ac)"

# Stored again: the point's waveform file and its meter text, as ever.
click MultiScope.optStored
expect MultiScope.lblDMM text "  4.7 V (ac)"
show MultiScope
expect noevent "\"source\":\"Live\""
click MultiScope.optLive

# The load sensor's signal pin, open at the unit: 0.0 V on the meter and the zero line (the
# lowest grid line, y 333) across the screen; mended, the signal comes back.
set FRMsimulation.HSB_engine_speed 800
drop FRMsimulation.lblECU(3) MultiScope.cmdConnection
sweep 51
sweep 50
expect MultiScope.lblDMM text "  1.4 V (dc)"
show MultiScope
expect noevent "\"cycles\":0,"
click frmFaults.chkFault(14)
sweep 51
sweep 50
expect MultiScope.lblDMM text "  0.0 V (dc)"
show MultiScope
expect event "\"cycles\":0,"
expect MultiScope.scopescreen ends 0,333.334,6,333.334,12,333.334,18,333.334,24,333.334,30,333.334,36,333.334,42,333.334,48,333.334,54,333.334,60,333.334,66,333.334,72,333.334,78,333.334,84,333.334,90,333.334,96,333.334,102,333.334,108,333.334,114,333.334,120,333.334,126,333.334,132,333.334,138,333.334,144,333.334,150,333.334,156,333.334,162,333.334,168,333.334,174,333.334,180,333.334,186,333.334,192,333.334,198,333.334,204,333.334,210,333.334,216,333.334,222,333.334,228,333.334,234,333.334,240,333.334,246,333.334,252,333.334,258,333.334,264,333.334,270,333.334,276,333.334,282,333.334,288,333.334
click frmFaults.chkFault(14)
sweep 51
sweep 50
# (The scan left the load at 0 %: the manifold's idle vacuum reads a little lower than before.)
expect MultiScope.lblDMM text "  1.0 V (dc)"
show MultiScope
expect noevent "\"cycles\":0,"

#! restart
menu Tools > MultiScope
expect MultiScope.optLive checked true
expect MultiScope.optStored checked false
