# The default password in capitals is refused with its text selected, the right one unlocks the
# faults list; mismatching new passwords log the user out; a new password outlives a restart.
#! sh printf 'Fault 1: the engine speed sensor\r\nFault 2: the load sensor\r\n' > "$work/data/faults.txt"
menu Systems > Set Faults...
click frmFaults.cmdFaults
expect message "You must login before you can see the list of faults"
expect frmLogin visible true
expect frmLogin.txtPassword focus true
set frmLogin.txtPassword GEARCASE
click frmLogin.cmdOK
expect event "\"icon\":\"critical\",\"text\":\"Invalid Password, please try again!\",\"title\":\"Login...\""
expect frmLogin.txtPassword selected GEARCASE
expect LoggedIn 0
# Return in the password box is the default button, OK.
set frmLogin.txtPassword gearcase
key frmLogin.txtPassword Enter
expect event "\"icon\":\"information\",\"text\":\"Password accepted, you now have access to the database and faults list...\",\"title\":\"Login...\""
expect LoggedIn -1
expect status Ready...
# Logging in from the faults window keeps it open (its option is off).
expect frmFaults visible true
click frmFaults.cmdFaults
expect frmFaults width 9000
expect frmFaults.cmdFaults text "Hide faults list"
expect frmFaults.txtFaults text "Fault 1: the engine speed sensor\nFault 2: the load sensor\n"
click frmFaults.cmdFaults
expect frmFaults width 4000
menu File > Login...
click frmLogin.cmdCancel
expect LoggedIn -1
# The acceptance comes first, then the mismatch, the boxes are emptied, and the user is out.
menu File > Login...
click frmLogin.cmdHelp
expect frmLogin height 3000
set frmLogin.txtPassword gearcase
set frmLogin.txtNewPassword1 "Zündkerze 点火"
set frmLogin.txtNewPassword2 "Zündkerze 点"
click frmLogin.cmdOK
expect message "The new passwords do not match, please try again..."
expect event "Password accepted"
expect LoggedIn 0
expect frmLogin visible true
expect frmLogin.txtPassword text ""
expect frmLogin.txtNewPassword1 text ""
# Only the first new box counts: text in the second alone changes nothing.
set frmLogin.txtPassword gearcase
set frmLogin.txtNewPassword2 other
click frmLogin.cmdOK
expect noevent "New password"
expect LoggedIn -1
menu File > Login...
set frmLogin.txtPassword gearcase
set frmLogin.txtNewPassword1 "Zündkerze 点火"
set frmLogin.txtNewPassword2 "Zündkerze 点火"
click frmLogin.cmdOK
expect message "New password has been set..."
#! restart
menu File > Login...
set frmLogin.txtPassword gearcase
click frmLogin.cmdOK
expect message "Invalid Password, please try again!"
set frmLogin.txtPassword "Zündkerze 点火"
click frmLogin.cmdOK
expect LoggedIn -1
#! restart
# A settings store that cannot be written: the new password is reported as not kept, and the
# window stays open.
#! sh mkdir -p "$conf.lock"
menu File > Login...
set frmLogin.txtPassword "Zündkerze 点火"
set frmLogin.txtNewPassword1 third
set frmLogin.txtNewPassword2 third
click frmLogin.cmdOK
expect event "\"icon\":\"critical\",\"text\":\"Error number: 75 - Path/File access error: the settings could not be written\""
expect frmLogin visible true
