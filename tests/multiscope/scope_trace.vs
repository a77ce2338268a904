# The instrument on the engine-speed point: the reminder while stopped, the connection, and
# the trace point by point.
#! sh "$(dirname "$script")/fixtures.sh" "$work/data"
menu Tools > MultiScope
drop FRMsimulation.lblECU(0) MultiScope.cmdConnection
expect message "Remember, the engine needs to be running or cranking (or at least trying to crank) to get readings on some tests..."
expect MultiScope.cmdConnection text "Drag/Drop Connections Here..."
expect ConnectionName Blank
expect CurrentWaveformFile ""

menu File > Start / Stop Engine
drop FRMsimulation.lblECU(0) MultiScope.cmdConnection
expect MultiScope.cmdConnection text "Connected: Engine speed"
expect ConnectionName "Engine speed"
expect CurrentWaveformFile "Engine speed.msf"
expect MultiScope.lblDMM text "  Engine speed reading"
expect MultiScope.txbEdit text "Text of Engine speed\n"

# 50 ticks draw the 50 samples at x = 0, 6, .., 294, y = 200 - 2 x sample, in dark red,
# 3 pixels wide; the 51st draws nothing and restarts the sweep.
sweep 50
expect MultiScope.scopescreen ends 0,248,6,246,12,244,18,242,24,240,30,238,36,236,42,234,48,232,54,230,60,228,66,226,72,224,78,222,84,220,90,218,96,216,102,214,108,212,114,210,120,208,126,206,132,204,138,202,144,200,150,198,156,196,162,194,168,192,174,190,180,188,186,186,192,184,198,182,204,180,210,178,216,176,222,174,228,172,234,170,240,168,246,166,252,164,258,162,264,160,270,158,276,156,282,154,288,152,294,150
show MultiScope.scopescreen
expect event "\"color\":[128,0,0],\"kind\":\"line\",\"points\":[[-5000,0],[0,248]],\"width\":3"
sweep 1
expect MultiScope.scopescreen opcount 0

set MultiScope.vscVolts1 1
set MultiScope.vscY1shift 100
sweep 2
expect MultiScope.scopescreen ends 0,124,6,123

# Pause: the sweep finishes and the timer stops with the trace on the screen.
sweep 10
click MultiScope.cmdPause
sweep 60
expect MultiScope.scopescreen opcount 50

# Only the terminal takes a drop, and only connection points drop.
drop FRMsimulation.lblECU(2) MultiScope.cmdChangeTool
expect event refused
drop FRMsimulation.speed MultiScope.cmdConnection
expect event refused
expect ConnectionName "Engine speed"
