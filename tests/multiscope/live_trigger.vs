# The Live screen on the crank sensor at idle (800 rev/min: 800 teeth pass a second): a Normal
# trigger on the gap's taller swing holds the trace still, the frequency reads the teeth, the
# cursors measure one tooth, Single stops, and a capture reads back as a waveform file and a
# CSV table.
menu File > Start / Stop Engine
menu Tools > MultiScope
click MultiScope.optLive
set FRMsimulation.HSB_engine_speed 800
drop FRMsimulation.lblECU(1) MultiScope.cmdConnection

# The teeth reach 2 V, the gap's swing 3 V: a level of 2.5 V finds the gap alone. The trigger
# point at the right edge (X at its end) shows the ten divisions before it: eight teeth.
pick MultiScope.cmbTrigger Normal
set MultiScope.spnLevel 2.5
set MultiScope.hsbXshift 50
set MultiScope.sldTime 3
expect MultiScope.lblTimeValue text "1 ms/div"
sweep 8
show MultiScope
expect event "\"status\":\"Triggered\""
# 799.2 Hz: within 0.1 % of the teeth's 800 Hz.
show MultiScope
expect event "Frequency 799.2 Hz"
show MultiScope
expect event "\"trace\":[1.843,0.331,-1.488,-1.926,-0.575,1.309,1.978,0.811,-1.109,-1.999,-1.034,0.892,1.989,1.24,-0.661,-1.948,-1.427,0.419,1.876,1.591,-0.17,-1.774,-1.731,-0.081,1.644,1.843,0.331,-1.488,-1.926,-0.575,1.309,1.978,0.811,-1.109,-1.999,-1.034,0.892,1.989,1.24,-0.661,-1.948,-1.427,0.419,1.876,1.591,-0.17,-1.774,-1.731,-0.081,1.392,2.5]"
# The next screens draw the same trace.
sweep 8
show MultiScope
expect event "\"trace\":[1.843,0.331,-1.488,-1.926,-0.575,1.309,1.978,0.811,-1.109,-1.999,-1.034,0.892,1.989,1.24,-0.661,-1.948,-1.427,0.419,1.876,1.591,-0.17,-1.774,-1.731,-0.081,1.644,1.843,0.331,-1.488,-1.926,-0.575,1.309,1.978,0.811,-1.109,-1.999,-1.034,0.892,1.989,1.24,-0.661,-1.948,-1.427,0.419,1.876,1.591,-0.17,-1.774,-1.731,-0.081,1.392,2.5]"
sweep 20
show MultiScope
expect event "\"trace\":[1.843,0.331,-1.488,-1.926,-0.575,1.309,1.978,0.811,-1.109,-1.999,-1.034,0.892,1.989,1.24,-0.661,-1.948,-1.427,0.419,1.876,1.591,-0.17,-1.774,-1.731,-0.081,1.644,1.843,0.331,-1.488,-1.926,-0.575,1.309,1.978,0.811,-1.109,-1.999,-1.034,0.892,1.989,1.24,-0.661,-1.948,-1.427,0.419,1.876,1.591,-0.17,-1.774,-1.731,-0.081,1.392,2.5]"

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
expect event "\"trace\":[1.843,0.331,-1.488,-1.926,-0.575,1.309,1.978,0.811,-1.109,-1.999,-1.034,0.892,1.989,1.24,-0.661,-1.948,-1.427,0.419,1.876,1.591,-0.17,-1.774,-1.731,-0.081,1.644,1.843,0.331,-1.488,-1.926,-0.575,1.309,1.978,0.811,-1.109,-1.999,-1.034,0.892,1.989,1.24,-0.661,-1.948,-1.427,0.419,1.876,1.591,-0.17,-1.774,-1.731,-0.081,1.392,2.5]"

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
# Its first sample is the screen's 1.843 V (y = 200 - 2 x 30.7), its last the trigger's 2.5 V.
expect MultiScope.scopescreen ends 0,138.6,6,189,12,249.6,18,262,24,212.6,30,151.6,36,135.4,42,179.2,48,247.4,54,265,60,222.4,66,159,72,133.6,78,176,84,239.8,90,266.4,96,231.6,102,167.4,108,133.4,114,167,120,231.2,126,266.4,132,240,138,170.2,144,133.6,150,158.6,156,222,162,266.2,168,242.6,174,179.6,180,135.4,186,151.2,192,218.8,198,264,204,249.8,210,189.4,216,138.8,222,149,228,209,234,260.6,240,256,246,199.4,252,140.2,258,143.2,264,199,270,255.8,276,260.8,282,202.6,288,153.6,294,116.6
