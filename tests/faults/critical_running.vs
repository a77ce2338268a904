# A critical fault found by the scan while the engine runs stops the engine; the live data
# are written after the stop.
menu Systems > Set Faults...
menu File > Start / Stop Engine
click frmControls.chkAuto
tick
click frmFaults.chkFault(1)
expect event "\"text\":\"Critical fault condition...\""
expect event "\"text\":\"Engine stopped...\""
expect EngineRunning 0
expect EngineSpeed 0
expect frmControls.chkAuto checked false
expect fileline TEMP:Scanner.scn 4 "Engine speed = 0 rev/min"
# With the engine stopped the same fault touches nothing.
click frmFaults.cmdClear
click frmFaults.chkFault(7)
expect CriticalFault -1
expect noevent "Critical fault condition..."
expect noevent "\"event\":\"beep\""
expect EngineCranking 0
# A starting-system fault is critical too: a running engine stops.
click frmFaults.cmdClear
menu File > Start / Stop Engine
click frmFaults.chkFault(35)
expect event "\"text\":\"Critical fault condition...\""
expect EngineRunning 0
