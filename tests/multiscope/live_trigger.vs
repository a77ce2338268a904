# The Live screen on the crank sensor at idle (800 rev/min: 800 teeth pass a second): a Normal
# trigger on the gap's taller swing holds the trace still, the frequency reads the teeth, the
# cursors measure one tooth, Single stops, and a capture reads back as a waveform file and a
# CSV table.
menu File > Start / Stop Engine
menu Tools > MultiScope
click MultiScope.optLive
set FRMsimulation.HSB_engine_speed 800
drop FRMsimulation.lblECU(1) MultiScope.cmdConnection

# The teeth reach 2 V, the gap's swing 2.7 V: a level of 2.5 V finds the gap alone. The trigger
# point at the right edge (X at its end) shows the ten divisions before it: eight teeth.
pick MultiScope.cmbTrigger Normal
set MultiScope.spnLevel 2.5
set MultiScope.hsbXshift 50
set MultiScope.sldTime 3
expect MultiScope.lblTimeValue text "1 ms/div"
sweep 8
show MultiScope
expect event "\"status\":\"Triggered\""
# 797.2 Hz: within half a percent of the teeth's 800 Hz (the screen ends on the gap's slower
# rise).
show MultiScope
expect event "Frequency 797.2 Hz"
show MultiScope
expect event "\"trace\":[-0.795,-1.976,-1.322,0.559,1.921,1.5,-0.314,-1.836,-1.654,0.064,1.722,1.782,0.187,-1.581,-1.881,-0.435,1.415,1.952,0.677,-1.227,-1.991,-0.907,1.019,1.999,1.123,-0.795,-1.976,-1.322,0.559,1.921,1.5,-0.314,-1.836,-1.654,0.064,1.722,1.782,0.187,-1.581,-1.881,-0.435,1.415,1.952,0.677,-1.227,-1.991,-0.907,0.479,1.326,2.026,2.5]"
# The next screens draw the same trace.
sweep 8
show MultiScope
expect event "\"trace\":[-0.795,-1.976,-1.322,0.559,1.921,1.5,-0.314,-1.836,-1.654,0.064,1.722,1.782,0.187,-1.581,-1.881,-0.435,1.415,1.952,0.677,-1.227,-1.991,-0.907,1.019,1.999,1.123,-0.795,-1.976,-1.322,0.559,1.921,1.5,-0.314,-1.836,-1.654,0.064,1.722,1.782,0.187,-1.581,-1.881,-0.435,1.415,1.952,0.677,-1.227,-1.991,-0.907,0.479,1.326,2.026,2.5]"
sweep 20
show MultiScope
expect event "\"trace\":[-0.795,-1.976,-1.322,0.559,1.921,1.5,-0.314,-1.836,-1.654,0.064,1.722,1.782,0.187,-1.581,-1.881,-0.435,1.415,1.952,0.677,-1.227,-1.991,-0.907,1.019,1.999,1.123,-0.795,-1.976,-1.322,0.559,1.921,1.5,-0.314,-1.836,-1.654,0.064,1.722,1.782,0.187,-1.581,-1.881,-0.435,1.415,1.952,0.677,-1.227,-1.991,-0.907,0.479,1.326,2.026,2.5]"

# The time cursors one tooth apart (1.25 ms at 1 ms a division): 1/ΔT reads the same 800 Hz.
click MultiScope.chkCursors
set MultiScope.cursor(T1) 2
set MultiScope.cursor(T2) 3.25
show MultiScope
expect event "\"inverse\":\"1/ΔT 800.0 Hz\""
show MultiScope
expect event "\"dt\":\"ΔT 1.25 ms\""
# The keys: Right moves the picked cursor one sample (a fiftieth of a division), Tab picks the next.
key MultiScope.scopescreen right
key MultiScope.scopescreen tab
key MultiScope.scopescreen left
show MultiScope.cursor(T1)
expect event "\"divisions\":2.02"
show MultiScope.cursor(T2)
expect event "\"divisions\":3.23"

# Single takes the next trigger and stops there.
pick MultiScope.cmbTrigger Single
sweep 8
show MultiScope
expect event "\"status\":\"Stopped\""
show MultiScope
expect event "\"trace\":[-0.795,-1.976,-1.322,0.559,1.921,1.5,-0.314,-1.836,-1.654,0.064,1.722,1.782,0.187,-1.581,-1.881,-0.435,1.415,1.952,0.677,-1.227,-1.991,-0.907,1.019,1.999,1.123,-0.795,-1.976,-1.322,0.559,1.921,1.5,-0.314,-1.836,-1.654,0.064,1.722,1.782,0.187,-1.581,-1.881,-0.435,1.415,1.952,0.677,-1.227,-1.991,-0.907,0.479,1.326,2.026,2.5]"

# A capture: a waveform file (the meter text and 50 samples) and a CSV table of the 501 samples.
answer file DATA:crank.msf
click MultiScope.mnuCaptureWave
expect filelines DATA:crank.msf 51
expect fileline DATA:crank.msf 1 "\"  1.4 V (ac)\""
answer file DATA:crank.csv
click MultiScope.mnuCaptureCsv
expect filelines DATA:crank.csv 502
expect fileline DATA:crank.csv 1 "Time (s),Engine speed (V)"
expect fileline DATA:crank.csv 502 "0.01,2.5"

# Opened again through File > Open, the capture is the stored trace: 2 V a division is one
# division (66.7 units at the Volts control's 2) either way.
answer file DATA:crank.msf
menu File > Open...
expect MultiScope.optStored checked true
expect MultiScope.lblDMM text "  1.4 V (ac)"
sweep 50
show MultiScope.scopescreen
# Its first sample is the screen's -0.795 V (y = 200 - 2 x -13.3), its last the trigger's 2.5 V.
expect MultiScope.scopescreen ends 0,226.6,6,265.8,12,244,18,175,24,134.4,30,154.6,36,217,42,263.6,48,246.6,54,184.6,60,137,66,147.8,72,207.2,78,262.4,84,253.2,90,194.6,96,141,102,142.2,108,203.8,114,258.2,120,258.6,126,204.6,132,146.2,138,140.6,144,193.8,150,252.6,156,262.8,162,208,168,148.4,174,136.8,180,183.8,186,246,192,263.8,198,217.8,204,155.2,210,134.2,216,174.4,222,243.4,228,266,234,227.2,240,163.2,246,133.4,252,171.2,258,235.4,264,266.6,270,236,276,187,282,155.8,288,132.4,294,116.6
