# The instrument's controls, its devices and the reading box.
#! sh "$(dirname "$script")/fixtures.sh" "$work/data"
menu Tools > MultiScope
expect MultiScope.cmdChangeTool text ">>"
expect MultiScope.cmdChangeTool tooltip "Change device"
expect MultiScope.cmdPause tooltip Pause
expect MultiScope.scopescreen tooltip "Double click here to open a waveform editor"
expect MultiScope.Frame1 text Scope
expect MultiScope.Frame2 text Info
expect MultiScope.Frame4 text Scanner
expect MultiScope.cmdScan text "Scan/Update Faults"
expect MultiScope.cmdRead text "Read/Update Data"
expect MultiScope.txbEdit text "Picture info...\n"
expect MultiScope.txbScanner text "Scanner\n"
expect MultiScope.txbScanner back 192,192,192
expect MultiScope.txbScanner fore 64,64,64
expect MultiScope.sldTime value 1
expect MultiScope.sldTime min 0
expect MultiScope.sldTime max 4
expect MultiScope.hsbXshift value 0
expect MultiScope.hsbXshift min -50
expect MultiScope.hsbXshift max 50
expect MultiScope.vscY1shift value 200
expect MultiScope.vscY1shift max 400
expect MultiScope.vscVolts1 value 2
expect MultiScope.vscVolts1 min 1
expect MultiScope.vscVolts1 max 5
expect MultiScope.updFocus value 3
expect MultiScope.updFocus min 1
expect MultiScope.updFocus max 5
expect MultiScope.picTelemetry visible false

# The terminal explains itself.
click MultiScope.cmdConnection
expect message "Drag and drop a label or connection point from the main simulation windows on to this\r\nconnection terminal to display waveforms, DMM readings, pictures and text."
expect event "\"icon\":\"information\""

# The reading box: 15 items; a pick sets the DMM, a generator's pick leaves it.
pick MultiScope.cmbReading "Battery - fully charged"
expect MultiScope.lblDMM text "  12.6 V (dc)"
pick MultiScope.cmbReading "Thermistor at 20 C"
expect MultiScope.lblDMM text "  1800 Ohms"
pick MultiScope.cmbReading "Speed sensor - idle"
expect MultiScope.lblDMM text "  11.0 V (ac)"
pick MultiScope.cmbReading Sine
expect MultiScope.lblDMM text "  11.0 V (ac)"
pick MultiScope.cmbReading None
expect MultiScope.lblDMM text ""
# Picking does not restart the sweep: a flat line at Y.
sweep 3
expect MultiScope.scopescreen ends 0,200,6,200,12,200
# Typed text steers the trace like a pick but leaves the DMM.
pick MultiScope.cmbReading "Battery - on charge"
set MultiScope.cmbReading Triangle
expect MultiScope.lblDMM text "  14.0 V (dc)"
sweep 2
expect MultiScope.scopescreen ends 0,200,6,200,12,200,18,280,24,180
set MultiScope.cmbReading "Alternator charging"
expect MultiScope.lblDMM text "  14.0 V (dc)"
set MultiScope.sldTime 2
set MultiScope.sldTime 1
# The first tick of a generator still advances the phase by the last generator's step
# (Triangle's -50 here): sin(-5) x 30 = 29, then sin(-4.5) x 30 = 29, sin(-4) x 30 = 23.
set MultiScope.cmbReading Sine
sweep 3
expect MultiScope.scopescreen ends 0,142,6,142,12,154
set MultiScope.sldTime 2
set MultiScope.sldTime 1
set MultiScope.cmbReading Sawtooth
sweep 2
set MultiScope.sldTime 2
set MultiScope.sldTime 1
# Square after Sawtooth: the phase runs 10, 60, 110, .. and never meets a flip until the
# next restart; then it flips every two ticks with vertical edges.
set MultiScope.cmbReading Square
sweep 5
expect MultiScope.scopescreen ends 0,200,6,200,12,200,18,200,24,200
set MultiScope.sldTime 2
set MultiScope.sldTime 1
sweep 4
expect MultiScope.scopescreen ends 0,200,0,250,6,250,6,150

# Change device: Scope -> Scanner -> Pictures -> Scope.
click MultiScope.cmdChangeTool
expect ToolMode 4
click MultiScope.cmdChangeTool
expect ToolMode 2
click MultiScope.cmdChangeTool
expect ToolMode 3
menu Tools > Telemetry
expect ToolMode 9
expect MultiScope.picTelemetry visible true
click MultiScope.cmdChangeTool
expect ToolMode 9
let ToolMode 1
click MultiScope.cmdChangeTool
expect ToolMode 1

# The editor needs a waveform file.
dblclick MultiScope.scopescreen
expect message "A waveform file must be open before the editor can be used..."

# Only the terminal takes a drop, and only connection points drop.
menu File > Start / Stop Engine
drop FRMsimulation.lblECU(2) MultiScope.cmdChangeTool
expect event refused
drop FRMsimulation.speed MultiScope.cmdConnection
expect event refused
expect ConnectionName Blank

# Closing the window ends the telemetry sample count; the next use loads it afresh.
let TelemetrySample 7
close MultiScope
expect TelemetrySample 0
menu Tools > Scanner
expect MultiScope visible true
expect MultiScope.txbScanner text ""

# The gain's larger values are at the top: Up raises it, Down lowers it; Y and Focus grow
# downwards.
set MultiScope.vscVolts1 2
key MultiScope.vscVolts1 Up
expect MultiScope.vscVolts1 value 3
key MultiScope.vscVolts1 Home
expect MultiScope.vscVolts1 value 5
key MultiScope.vscVolts1 Down
expect MultiScope.vscVolts1 value 4
key MultiScope.updFocus Down
expect MultiScope.updFocus value 4
key MultiScope.vscY1shift PageDown
expect MultiScope.vscY1shift value 250
