# The Live screen on the switched outputs of an engine idling just after a cold start: each
# opens on a screen that shows it whole, the trigger finds the coil's narrow switch-off spike,
# the levels read what the signal reaches (not rounded to the screen's divisions) and the pulse
# width and duty cycle measure the low pulses, as the meter does: the injector's open time, the
# coil's dwell.
menu File > Start / Stop Engine
menu Tools > MultiScope
click MultiScope.optLive
set FRMsimulation.HSB_engine_speed 800
# Minimum, Maximum and Pulse width besides the four shown from the start.
click MultiScope.mnuMeasure(0)
click MultiScope.mnuMeasure(1)
click MultiScope.mnuMeasure(8)

# The injector: 5 ms a division, triggered as it opens (falling through 7 V); open 10 ms (the
# meter), at 0.3 V, closing with a 60 V spike.
drop FRMsimulation.Label5 MultiScope.cmdConnection
pick MultiScope.cmbTrigger Normal
sweep 24
expect MultiScope.lblDMM text "  10.0 ms"
show MultiScope
expect event "\"timebase\":\"5 ms/div\""
show MultiScope
expect event "\"edge\":\"Falling\""
show MultiScope
expect event "Minimum 300 mV"
show MultiScope
expect event "Maximum 60.0 V"
show MultiScope
expect event "Pulse width 9.96 ms"

# The coil: 10 ms a division, two cycles and more; Normal at 100 V triggers on the spike, shown
# whole at 342 V; the low time is the dwell the meter reads.
drop FRMsimulation.Label4 MultiScope.cmdConnection
sweep 24
expect MultiScope.lblDMM text "  35 % dwell"
show MultiScope
expect event "\"timebase\":\"10 ms/div\""
show MultiScope
expect event "\"status\":\"Triggered\""
show MultiScope
expect event "Maximum 342 V"
show MultiScope
expect event "Minimum 500 mV"
show MultiScope
expect event "Duty cycle 34.5 %"
show MultiScope
expect event "Frequency 26.67 Hz"

# At 5 ms a division the spike is still found and drawn whole.
set MultiScope.sldTime 5
sweep 24
show MultiScope
expect event "\"timebase\":\"5 ms/div\""
show MultiScope
expect event "\"status\":\"Triggered\""
show MultiScope
expect event "Maximum 342 V"
