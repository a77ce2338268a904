# A box unticked during the cranking ramp leads to the start sequence's fault dialog; the
# scan does not stop the cranking engine.
menu Systems > Set Faults...
answer OK
defer 20 click frmFaults.chkFault(21)
menu File > Start / Stop Engine
expect event "There is a fault present. Click OK to keep the engine cranking for faultfinding..."
expect status "Engine cranking for testing..."
expect EngineCranking -1
expect EngineSpeed 132
expect fileline TEMP:Faults.scn 3 "Fuel system fault"
expect noevent "Critical fault condition..."
# Cancel stops it at once.
menu File > Start / Stop Engine
click frmFaults.cmdClear
let SystemVoltage 12
answer Cancel
defer 20 click frmFaults.chkFault(26)
menu File > Start / Stop Engine
expect event "\"answer\":\"Cancel\""
expect EngineCranking 0
expect EngineSpeed 0
expect status "Ready..."
