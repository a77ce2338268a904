# The two report files, read through the transcript as a scanner would read them.
#! setting ZRsettings ZRsetting9 0
#! setting Trip_Computer Trip_Distance 1.5
#! setting Trip_Computer Arrival_Distance 42
menu Systems > Set Faults...

# No fault: five lines.
click frmFaults.chkFault(37)
click frmFaults.chkFault(37)
file TEMP:Faults.scn
expect event "\"text\":\"System faults found:\\r\\n------------------------------\\r\\n\\r\\n------------------------------\\r\\nEnd of faults list...\\r\\n\""
expect filelines TEMP:Faults.scn 5
expect filetext TEMP:Faults.scn "System faults found:\r\n------------------------------\r\n\r\n------------------------------\r\nEnd of faults list...\r\n"

# The fuel faults: three lines in a row and a rich mixture.
click frmFaults.chkFault(21)
click frmFaults.chkFault(28)
click frmFaults.chkFault(29)
expect filelines TEMP:Faults.scn 8
expect fileline TEMP:Faults.scn 3 "Fuel system fault"
expect fileline TEMP:Faults.scn 4 "Fuel system fault"
expect fileline TEMP:Faults.scn 5 "Fuel system fault"
expect fileline TEMP:Faults.scn 6 ""
expect FRMsimulation.HSB_Lambda value -1
expect FRMsimulation.lambda text "< 1"
expect CriticalFault -1
expect ExhaustWarning -1
expect frmInstruments.lblCheckWL visible true
click frmFaults.cmdClear

# The idle example, lines 4-13 of Scanner.scn.
let EngineSpeed 800
let EngineLoad 10
let EngineTemperature 90
let IgnitionTiming 10
let InjectionDuration 2.2
let DwellPercentage 35
let RoadSpeed 0
let SystemVoltage 14
let Gear 0
click frmFaults.chkFault(38)
expect filelines TEMP:Scanner.scn 27
expect fileline TEMP:Scanner.scn 1 "System results:"
expect fileline TEMP:Scanner.scn 4 "Engine speed = 800 rev/min"
expect fileline TEMP:Scanner.scn 5 "Engine load = 10% of full load"
expect fileline TEMP:Scanner.scn 6 "Engine temperature = 90deg. C"
expect fileline TEMP:Scanner.scn 7 "Ignition timing = 10deg. BTDC"
expect fileline TEMP:Scanner.scn 8 "Injection duration= 02.20mS"
expect fileline TEMP:Scanner.scn 9 "Dwell = 35%"
expect fileline TEMP:Scanner.scn 10 "Road speed = 0km/hour"
expect fileline TEMP:Scanner.scn 11 "System voltage = 14Volts"
expect fileline TEMP:Scanner.scn 12 "Gear in position = 0"
expect fileline TEMP:Scanner.scn 13 "Throttle on = False"
expect fileline TEMP:Scanner.scn 27 "End of list..."
# The same lines byte for byte, each ended by CR LF.
file TEMP:Scanner.scn
expect event "\"text\":\"System results:\\r\\n------------------------------\\r\\nEngine management data...\\r\\nEngine speed = 800 rev/min\\r\\nEngine load = 10% of full load\\r\\nEngine temperature = 90deg. C\\r\\nIgnition timing = 10deg. BTDC\\r\\nInjection duration= 02.20mS\\r\\nDwell = 35%\\r\\nRoad speed = 0km/hour\\r\\nSystem voltage = 14Volts\\r\\nGear in position = 0\\r\\nThrottle on = False\\r\\n------------------------------\\r\\nTrip and instrumentation data...\\r\\n"

# No injection, no mileage, a retarded timing, the throttle on, and trip figures as loaded.
let InjectionDuration 0
let Mileage 0
let IgnitionTiming -2
click frmControls.optThrottleOn
click frmFaults.chkFault(38)
expect fileline TEMP:Scanner.scn 7 "Ignition timing = -2deg. BTDC"
expect fileline TEMP:Scanner.scn 8 "Injection duration= 00.00mS"
expect fileline TEMP:Scanner.scn 13 "Throttle on = True"
expect fileline TEMP:Scanner.scn 16 "Mileage = 00000.0"
expect fileline TEMP:Scanner.scn 19 "Fuel left in the tank = 60"
expect fileline TEMP:Scanner.scn 22 "Trip distance = 1.5"
expect fileline TEMP:Scanner.scn 24 "Arrival distance = 42"
file TEMP:Scanner.scn
expect event "Mileage = 00000.0\\r\\n"
