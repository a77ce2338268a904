# "Reset all", "Close" and the close box: what happens to the boxes, the flags and the light.
menu Systems > Set Faults...
click frmFaults.chkFault(3)
click frmFaults.chkFault(6)
click frmFaults.chkFault(19)
expect CriticalFault -1
expect KnockSensorFault -1
expect ExhaustWarning -1
expect frmInstruments.lblCheckWL visible true
expect filelines TEMP:Faults.scn 8

click frmFaults.cmdClear
expect frmFaults.chkFault(3) value 1
expect frmFaults.chkFault(6) value 1
expect frmFaults.chkFault(19) value 1
expect CriticalFault 0
expect KnockSensorFault 0
expect ExhaustWarning 0
expect frmInstruments.lblCheckWL visible false
# The last of the three scans saw no fault.
expect filelines TEMP:Faults.scn 5

# Close: the faults stay, the flags are cleared until the next scan.
click frmFaults.chkFault(1)
click frmFaults.chkFault(43)
expect CriticalFault -1
expect frmInstruments.lblChargeWL visible true
click frmFaults.cmdClose
expect frmFaults visible false
expect CriticalFault 0
expect frmFaults.chkFault(1) value 0
expect fileline TEMP:Faults.scn 3 "Engine speed sensor out of range"
menu Systems > Set Faults...
expect frmFaults.chkFault(1) value 0
click frmFaults.chkFault(40)
expect CriticalFault -1
expect SystemVoltage 13

# The close box closes and unloads: reopened, every box is ticked and the light is out.
close frmFaults
expect CriticalFault 0
menu Systems > Set Faults...
expect frmFaults visible true
expect frmFaults.chkFault(1) value 1
expect frmFaults.chkFault(40) value 1
expect frmFaults.chkFault(43) value 1
expect frmInstruments.lblCheckWL visible false
click frmFaults.chkFault(2)
expect filelines TEMP:Faults.scn 6
expect fileline TEMP:Faults.scn 3 "Engine load sensor signal out of range"

# Box 31: no check-engine light, but a critical fault; box 30 lights it.
click frmFaults.cmdClear
click frmFaults.chkFault(31)
expect frmInstruments.lblCheckWL visible false
expect CriticalFault -1
expect filelines TEMP:Faults.scn 5
click frmFaults.chkFault(30)
expect frmInstruments.lblCheckWL visible true
expect fileline TEMP:Faults.scn 3 "Unknown system fault"
