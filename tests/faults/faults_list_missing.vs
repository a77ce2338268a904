# A missing faults list is reported and leaves the window as it was.
#! remove faults.txt
menu Systems > Set Faults...
let LoggedIn -1
click frmFaults.cmdFaults
expect event "\"icon\":\"none\",\"text\":\"Error number: 53 - File not found\""
expect frmFaults width 4000
expect frmFaults.txtFaults visible false
expect frmFaults.cmdFaults text "Faults list"
