# "Reset all", "Close" and the close box: what happens to the boxes, the flags and the light.
menu Systems > Set Faults...
click frmFaults.chkFault(3)
click frmFaults.chkFault(6)
click frmFaults.chkFault(19)
expect frmInstruments.lblCheckWL visible true
click frmFaults.cmdClear
expect frmFaults.chkFault(19) value 1
expect CriticalFault 0
expect frmInstruments.lblCheckWL visible false
expect filelines TEMP:Faults.scn 5

# Close: the faults stay, the flags are cleared until the next scan.
click frmFaults.chkFault(1)
click frmFaults.cmdClose
expect frmFaults visible false
expect CriticalFault 0
expect fileline TEMP:Faults.scn 3 "Engine speed sensor out of range"
menu Systems > Set Faults...
expect frmFaults.chkFault(1) value 0

# The close box closes and unloads: reopened, every box is ticked and the light is out.
close frmFaults
menu Systems > Set Faults...
expect frmFaults.chkFault(1) value 1
expect frmInstruments.lblCheckWL visible false

# Box 31: no check-engine light, but a critical fault; box 30 lights it.
click frmFaults.chkFault(31)
expect frmInstruments.lblCheckWL visible false
expect CriticalFault -1
click frmFaults.chkFault(30)
expect frmInstruments.lblCheckWL visible true
expect fileline TEMP:Faults.scn 3 "Unknown system fault"
