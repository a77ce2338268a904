# Injected faults (unticked boxes of the faults window) at the key: starter faults slow the
# cranking, a flat battery cranks at 80 rev/min, switch and motor faults leave the key in
# the cranking position, and sensor and actuator faults take away what the unit fires.

# Fault 33: 132 x 0.8 = 105.6 -> 106, still fast enough.
click frmFaults.chkFault(33)
expect frmFaults.chkFault(33) value 0
menu File > Start / Stop Engine
expect CrankingSpeed 106
expect EngineRunning -1
menu File > Start / Stop Engine
# Faults 33 and 34: 106 x 0.8 = 84.8 -> 85, too slow.
click frmFaults.chkFault(34)
menu File > Start / Stop Engine
expect CrankingSpeed 85
expect message "Engine not cranking fast enough to start..."
expect EngineRunning 0
click frmFaults.chkFault(33)
click frmFaults.chkFault(34)
set FRMsimulation.HSB_system_voltage 12

# Fault 36, flat battery: 9 V on both voltage controls and 80 rev/min; the ramp goes no
# further than 80.
click frmFaults.chkFault(36)
defer 12 expect frmStarting.txtCrankingSpeed text 80
defer 12 expect frmStarting.hsbVoltage value 9
defer 12 expect FRMsimulation.HSB_system_voltage value 9
defer 13 expect frmStarting.txtCrankingSpeed text 85
menu File > Start / Stop Engine
expect CrankingSpeed 80
expect message "Engine not cranking fast enough to start..."
expect SystemVoltage 9
click frmFaults.chkFault(36)
set FRMsimulation.HSB_system_voltage 12

# Fault 31 (starter switch): the key rests in the cranking position.
click frmFaults.chkFault(31)
menu File > Start / Stop Engine
expect status "Cranking position..."
expect EngineCranking -1
expect EngineSpeed 0
menu File > Start / Stop Engine
expect EngineCranking 0
expect status "Engine stopped..."
click frmFaults.chkFault(31)

# Sensor and actuator faults: what the unit fires while cranking.
click frmFaults.chkFault(1)
menu File > Start / Stop Engine
expect EngineCranking -1
expect IgnitionTiming 0
expect InjectionDuration 0
expect DwellPercentage 0
menu File > Start / Stop Engine
click frmFaults.chkFault(1)

click frmFaults.chkFault(20)
menu File > Start / Stop Engine
expect IgnitionTiming 9
expect DwellPercentage 35
expect InjectionDuration 0
menu File > Start / Stop Engine
click frmFaults.chkFault(20)

click frmFaults.chkFault(22)
menu File > Start / Stop Engine
expect IgnitionTiming 0
expect DwellPercentage 0
expect InjectionDuration 10
menu File > Start / Stop Engine
click frmFaults.chkFault(22)

# A box unticked during the ramp: the scan flags the critical fault, and the sequence shows
# its dialog after cranking instead of starting.
let CriticalFault 0
set FRMsimulation.HSB_system_voltage 12
expect SystemVoltage 12
expect CriticalFault 0
defer 20 click frmFaults.chkFault(35)
answer Cancel
menu File > Start / Stop Engine
expect message "There is a fault present. Click OK to keep the engine cranking for faultfinding...\r\n\r\nClick ignition key again after tests are complete. "
expect EngineRunning 0
expect EngineCranking 0
