# A box unticked during the cranking ramp leads to the start sequence's fault dialog.
menu Systems > Set Faults...
answer OK
defer 20 click frmFaults.chkFault(21)
menu File > Start / Stop Engine
expect event "There is a fault present. Click OK to keep the engine cranking for faultfinding..."
expect status "Engine cranking for testing..."
expect EngineCranking -1
expect EngineRunning 0
expect EngineSpeed 132
expect CriticalFault -1
expect fileline TEMP:Faults.scn 3 "Fuel system fault"
# The scan did not stop the cranking engine.
expect noevent "Critical fault condition..."
# The key turned again stops it.
menu File > Start / Stop Engine
expect EngineCranking 0
expect EngineSpeed 0
expect status "Engine stopped..."

# Cancel stops it at once.
click frmFaults.cmdClear
let SystemVoltage 12
answer Cancel
defer 20 click frmFaults.chkFault(26)
menu File > Start / Stop Engine
expect event "\"answer\":\"Cancel\""
expect event "\"text\":\"Engine stopped...\""
expect EngineCranking 0
expect EngineRunning 0
expect EngineSpeed 0
expect SystemVoltage 12
expect status "Ready..."
expect fileline TEMP:Faults.scn 3 "Injector circuit fault"
