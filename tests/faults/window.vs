# The faults window and the faults list behind the login.
menu Systems > Set Faults...
expect frmFaults width 4000
expect frmFaults.chkFault(44) value 1
click frmFaults.cmdFaults
expect event "\"icon\":\"information\",\"text\":\"You must login before you can see the list of faults\""
expect frmFaults width 4000
expect frmFaults.txtFaults visible false
let LoggedIn -1
click frmFaults.cmdFaults
expect frmFaults width 9000
expect frmFaults.cmdFaults text "Hide faults list"
show frmFaults.txtFaults
expect event "13 - Engine speed sensor connection at the ECU"
