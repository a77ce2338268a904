# An option that cannot be applied when the user logs in (the background picture is gone) is
# reported, and the login goes through all the same; the faults window it came from stays open.
#! setting ZRsettings ZRsetting1 1
#! sh rm "$work/data/background.jpg"
menu Systems > Set Faults...
click frmFaults.cmdFaults
expect frmLogin visible true
mark
set frmLogin.txtPassword gearcase
click frmLogin.cmdOK
expect event "Password accepted"
expect event "Error number: 53 - File not found: background.jpg"
expect LoggedIn -1
expect frmFaults visible true
expect frmLogin loaded false
