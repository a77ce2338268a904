# An unwritable temporary folder: the scan says so and ends before any fault acts (the box keeps
# the fault), a stopped engine stays stopped, and the scanner's read-out says there is no data.
#! readonly-temp
set FRMsimulation.HSB_engine_speed 1500
menu Systems > Set Faults...
click frmFaults.chkFault(1)
expect message "Collect system data - Error number: 75 - Path/File access error\r\n\r\nCheck that the path is set to your work area (Tools, Options and click 'Set path')..."
expect frmFaults.chkFault(1) value 0
expect CriticalFault 0
expect FRMsimulation.HSB_engine_speed value 1500
expect EngineRunning 0
expect noevent "Cranking position..."

# A running engine is stopped by the failure at its next step.
click frmFaults.cmdClear
menu File > Start / Stop Engine
expect EngineRunning -1
tick
expect event "Collect system data - Error number: 75"
expect event "\"text\":\"Engine stopped...\""
expect EngineRunning 0

menu Tools > Scanner
click MultiScope.cmdRead
expect event "Collect system data - Error number: 75"
expect MultiScope.txbScanner text "No data file found..."
click MultiScope.cmdScan
expect MultiScope.txbScanner text "No data file found..."
