# The faults window: placement, the 44 numbered boxes, and the faults list behind the login.
menu Systems > Set Faults...
expect frmFaults caption Faults...
expect frmFaults visible true
expect frmFaults left 1500
expect frmFaults top 2500
expect frmFaults width 4000
expect frmFaults height 6500
expect frmFaults.chkFault(1) text 1
expect frmFaults.chkFault(44) text 44
expect frmFaults.chkFault(1) value 1
expect frmFaults.chkFault(44) value 1
expect frmFaults.cmdClear text "Reset all"
expect frmFaults.cmdFaults text "Faults list"
expect frmFaults.cmdClose text Close
expect frmFaults.txtFaults visible false

# Not logged in: the list is refused and nothing else changes.
click frmFaults.cmdFaults
expect event "\"icon\":\"information\",\"text\":\"You must login before you can see the list of faults\""
expect frmFaults width 4000
expect frmFaults.txtFaults visible false
expect frmFaults.cmdFaults text "Faults list"

# Logged in: the list shows, then hides again.
let LoggedIn -1
click frmFaults.cmdFaults
expect noevent "\"event\":\"message\""
expect frmFaults width 9000
expect frmFaults.txtFaults visible true
expect frmFaults.cmdFaults text "Hide faults list"
show frmFaults.txtFaults
expect event "13 - Engine speed sensor connection at the ECU"
show frmFaults.txtFaults
expect event "44 - Charge warning light terminal"
click frmFaults.cmdFaults
expect frmFaults width 4000
expect frmFaults.txtFaults visible false
expect frmFaults.cmdFaults text "Show faults list"

# Close hides the list with the window; reopened, it is narrow.
click frmFaults.cmdFaults
expect frmFaults width 9000
click frmFaults.cmdClose
expect frmFaults visible false
menu Systems > Set Faults...
expect frmFaults visible true
expect frmFaults width 4000
expect frmFaults.txtFaults visible false
expect frmFaults.cmdFaults text "Show faults list"
