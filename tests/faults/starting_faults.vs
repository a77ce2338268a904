# The starting-system faults as the start sequence meets them.
menu Systems > Set Faults...

# 31, 32 and 35: the key stays in the cranking position until it is turned again.
click frmFaults.chkFault(31)
menu File > Start / Stop Engine
expect status "Cranking position..."
expect EngineCranking -1
expect EngineRunning 0
expect EngineSpeed 0
menu File > Start / Stop Engine
expect EngineCranking 0
expect status "Engine stopped..."
click frmFaults.cmdClear
let SystemVoltage 12

click frmFaults.chkFault(32)
menu File > Start / Stop Engine
expect status "Cranking position..."
expect EngineCranking -1
expect EngineSpeed 0
menu File > Start / Stop Engine
click frmFaults.cmdClear
let SystemVoltage 12

click frmFaults.chkFault(35)
menu File > Start / Stop Engine
expect status "Cranking position..."
expect EngineCranking -1
expect EngineSpeed 0
menu File > Start / Stop Engine
click frmFaults.cmdClear
let SystemVoltage 12

# 33: a fifth slower, still fast enough.
click frmFaults.chkFault(33)
expect filelines TEMP:Faults.scn 5
menu File > Start / Stop Engine
expect CrankingSpeed 106
expect EngineRunning -1
menu File > Start / Stop Engine
expect EngineRunning 0
click frmFaults.cmdClear
let SystemVoltage 12

# 33 and 34: too slow.
click frmFaults.chkFault(33)
click frmFaults.chkFault(34)
menu File > Start / Stop Engine
expect CrankingSpeed 85
expect event "Engine not cranking fast enough to start..."
expect EngineRunning 0
expect EngineCranking 0
click frmFaults.cmdClear
let SystemVoltage 12

# 36: a flat battery, 9 V and 80 rev/min.
click frmFaults.chkFault(36)
expect fileline TEMP:Faults.scn 3 "System voltage low"
expect SystemVoltage 10
menu File > Start / Stop Engine
expect SystemVoltage 9
expect CrankingSpeed 80
expect event "Engine not cranking fast enough to start..."
expect EngineRunning 0
expect EngineCranking 0
