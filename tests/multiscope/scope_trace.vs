# The instrument on the engine-speed point: the reminder while stopped, the connection, and
# the trace point by point.
#! sh "$(dirname "$script")/fixtures.sh" "$work/data"
menu Tools > MultiScope
expect MultiScope caption "Vantorel - MultiScope"
expect MultiScope left 7000
expect MultiScope top 5000
expect MultiScope width 7650
expect MultiScope height 3650
expect ToolMode 3
expect MultiScope.cmdConnection text "Drag/Drop Connections Here..."
expect MultiScope.cmbReading text "Select connection..."
expect MultiScope.lblDMM text DMM
expect MultiScope.lblDMM back 192,192,255
expect MultiScope.lblDMM fore 64,64,64
expect MultiScope.scopescreen scale 0,0,300,400

# Engine stopped: the reminder, and nothing changes.
drop FRMsimulation.lblECU(0) MultiScope.cmdConnection
expect message "Remember, the engine needs to be running or cranking (or at least trying to crank) to get readings on some tests..."
expect MultiScope.cmdConnection text "Drag/Drop Connections Here..."
expect ConnectionName Blank
expect CurrentWaveformFile ""

menu File > Start / Stop Engine
expect EngineRunning -1
# Starting leaves the instrument as it was.
expect CurrentWaveformFile ""
drop FRMsimulation.lblECU(0) MultiScope.cmdConnection
expect MultiScope.cmdConnection text "Connected: Engine speed"
expect ConnectionName "Engine speed"
expect CurrentWaveformFile "Engine speed.msf"
expect MultiScope.lblDMM text "  Engine speed reading"
expect MultiScope.cmbReading text Signal
expect Waveform(1) -24
expect CurrentPictureFile "Engine speed.jpg"
expect MultiScope.txbEdit text "Text of Engine speed\n"

# 50 ticks draw the 50 samples at x = 0, 6, .., 294, y = 200 - 2 x sample, in dark red,
# 3 pixels wide; the first comes in from far left.
sweep 50
expect MultiScope.scopescreen opcount 50
expect MultiScope.scopescreen ends 0,248,6,246,12,244,18,242,24,240,30,238,36,236,42,234,48,232,54,230,60,228,66,226,72,224,78,222,84,220,90,218,96,216,102,214,108,212,114,210,120,208,126,206,132,204,138,202,144,200,150,198,156,196,162,194,168,192,174,190,180,188,186,186,192,184,198,182,204,180,210,178,216,176,222,174,228,172,234,170,240,168,246,166,252,164,258,162,264,160,270,158,276,156,282,154,288,152,294,150
show MultiScope.scopescreen
expect event "\"color\":[128,0,0],\"kind\":\"line\",\"points\":[[-5000,0],[0,248]],\"width\":3"
# The 51st tick draws nothing and restarts the sweep.
sweep 1
expect MultiScope.scopescreen opcount 0
expect MultiScope.scopescreen pen -5000,0
set MultiScope.updFocus 5
sweep 1
expect MultiScope.scopescreen ends 0,248
expect MultiScope.scopescreen drawwidth 5

# Gain and position: Volts 1, Y 100.
set MultiScope.vscVolts1 1
set MultiScope.vscY1shift 100
# The timebase slider restarts the sweep.
set MultiScope.sldTime 2
set MultiScope.sldTime 1
expect MultiScope.scopescreen opcount 0
sweep 2
expect MultiScope.scopescreen ends 0,124,6,123

# Timebase 0: the trace stays at x = 0 and the sweep never reaches the edge.
set MultiScope.sldTime 0
sweep 60
expect MultiScope.scopescreen opcount 50
expect MultiScope.scopescreen dropped 0
set MultiScope.sldTime 1

# Pause: the sweep finishes, the timer stops with the trace on the screen; Pause again
# restarts it.
set MultiScope.vscVolts1 2
set MultiScope.vscY1shift 200
sweep 10
click MultiScope.cmdPause
expect ScopePaused -1
sweep 41
expect MultiScope.scopescreen opcount 50
sweep 5
expect MultiScope.scopescreen opcount 50
click MultiScope.cmdPause
expect ScopePaused 0
sweep 1
expect MultiScope.scopescreen opcount 0
sweep 1
expect MultiScope.scopescreen ends 0,248
# Pause twice inside one sweep: no stop.
click MultiScope.cmdPause
click MultiScope.cmdPause
sweep 60
expect MultiScope.scopescreen opcount 10

# Stopping the engine puts the blank waveform on and frees the terminal.
menu File > Start / Stop Engine
expect EngineRunning 0
expect CurrentWaveformFile Blank.msf
expect MultiScope.lblDMM text "  Blank"
expect MultiScope.cmdConnection text "Drag/Drop Connections Here..."
expect ToolMode 3
