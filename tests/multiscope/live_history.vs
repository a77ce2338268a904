# The history of triggered captures: an intermittent change looked back at after it has
# scrolled away, the history kept by Pause, the shown capture kept in a capture file that opens
# again as it was, and a CSV of every channel, the math channel and the reference; the
# measurements between the cursors with their statistics.
menu File > Start / Stop Engine
menu Tools > MultiScope
click MultiScope.optLive
menu Systems > Charging
drop frmCharging.lblAlternatorSpeed MultiScope.cmdConnection
expect MultiScope.lblPlace(0) text "charging window, at the part"
pick MultiScope.cmbTrigger Normal
expect MultiScope.lblHistoryValue text "no captures yet"
sweep 40
show MultiScope
# The phase terminal's square wave at the alternator's 240 Hz; ten captures in a second.
expect event "\"history\":{\"browsing\":false,\"position\":9,\"size\":10"
show MultiScope
expect event "\"name\":\"Frequency\",\"statistics\":\"current 239.8 Hz"
# The belt slips: the alternator turns slower.
click frmFaults.chkFault(37)
sweep 40
show MultiScope
expect event "\"name\":\"Frequency\",\"statistics\":\"current 203.7 Hz"
show MultiScope
expect event "\"position\":19,\"size\":20"
# Back to the first capture, taken before the belt slipped; the keys step on from there.
set MultiScope.sldHistory 0
show MultiScope
expect event "\"history\":{\"browsing\":true,\"position\":0,\"size\":20"
# The measurements are the capture's; the statistics go on counting the captures coming in.
show MultiScope
expect event "\"name\":\"Frequency\",\"statistics\":\"current 203.7 Hz, min 203.7 Hz, max 239.8 Hz"
show MultiScope
expect event "\"text\":\"239.8 Hz\""
expect MultiScope.lblHistoryValue text "1 of 20, 16.31 s"
key MultiScope.sldHistory right
expect MultiScope.lblHistoryValue text "2 of 20, 16.41 s"
key MultiScope.sldHistory end
expect MultiScope.lblHistoryValue text "20 of 20, 18.21 s"
key MultiScope.sldHistory home
# New captures come on while stepped back; the one shown stays. Paused, the history takes
# nothing more, and is kept (its read-out, which follows twice a second, shows all of it).
sweep 20
click MultiScope.cmdPause
sweep 4
expect MultiScope.lblHistoryValue text "1 of 25, 16.31 s"
sweep 40
expect MultiScope.lblHistoryValue text "1 of 25, 16.31 s"
click MultiScope.cmdPause

# With the battery's side of the output cable on B and the drop on M1, the newest capture
# kept in a capture file; opened again after the settings changed, the screen and the
# channels' settings are as they were.
set MultiScope.cmdChannel(1) charging.output
pick MultiScope.cmbMath(0) "A − B"
key MultiScope.sldHistory end
sweep 8
click MultiScope.cmdPause
answer file DATA:belt.vcap
click MultiScope.mnuCaptureSave
expect event "Capture file saved to "
answer file DATA:belt.csv
click MultiScope.mnuCaptureCsv
expect filelines DATA:belt.csv 502
expect fileline DATA:belt.csv 1 "Time (s),\"A: Alternator speed (charging window, at the part) (V)\",\"B: System voltage (charging window, at the part) (V)\",M1: A − B (V)"
set MultiScope.cmdChannel(1) none
pick MultiScope.cmbMath(0) Off
pick MultiScope.cmbProbe(0) "×10"
set MultiScope.sldTime 8
answer file DATA:belt.vcap
click MultiScope.mnuCaptureOpen
expect event "Capture file opened: "
expect MultiScope.cmbProbe(0) text "Direct"
expect MultiScope.cmdChannel(1) text "B: System voltage"
expect MultiScope.lblTimeValue text "2 ms/div"
show MultiScope
expect event "\"name\":\"Frequency\",\"statistics\":\"no value\",\"text\":\"203.7 Hz\""
# A file that is no capture file is refused and changes nothing.
answer file DATA:belt.csv
click MultiScope.mnuCaptureOpen
expect event "The file is not a capture file: it is damaged or of another kind"
expect MultiScope.cmdChannel(1) text "B: System voltage"

# Between the cursors: the frequency over one and a half periods of the wave, its statistics
# counted from the change of span on.
click MultiScope.cmdPause
click frmFaults.chkFault(37)
pick MultiScope.cmbSpan "Between cursors"
expect MultiScope.chkCursors checked true
click MultiScope.chkStatistics
set MultiScope.cursor(T1) 0
set MultiScope.cursor(T2) 10
sweep 40
show MultiScope
expect event "\"span\":\"Between cursors\",\"statistics\":true"
show MultiScope
expect event "\"name\":\"Frequency\",\"statistics\":\"current 239.8 Hz, min 239.8 Hz, max 239.8 Hz, mean 239.8 Hz, σ 0.000 Hz, n 10\""
