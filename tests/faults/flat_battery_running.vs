# A flat battery found while the engine runs keeps the voltage low; it does not drain it.
menu Systems > Set Faults...
menu File > Start / Stop Engine
expect EngineRunning -1
expect SystemVoltage 14
click frmFaults.chkFault(36)
expect SystemVoltage 11
expect fileline TEMP:Faults.scn 3 "System voltage low"
tick 10
expect EngineRunning -1
expect SystemVoltage 11
expect fileline TEMP:Scanner.scn 11 "System voltage = 11Volts"
# Repaired: the report is clear again.
click frmFaults.chkFault(36)
expect filelines TEMP:Faults.scn 5
