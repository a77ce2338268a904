# A locked room: a script gets no further than a student at the windows. Setting LoggedIn, the
# faults list (its box and its file), editing a lookup table, the class dashboard, Set Up Class and what the
# challenges window keeps for instructors are refused, and during a challenge nobody's script
# reads the fault boxes. The room's password typed into the login window opens the rest, as it
# does for a user.
#! sh mkdir -p "$work/data/test-etc" "$work/class/attempts" && printf 'password = %s\nclass folder = %s\nclass key = %s\n' 'pbkdf2-sha256$1000$Y2xhc3Nyb29tLXNhbHQtMQ==$Wh5xpirvww60uEIlKIc/yotRomTbxzi3iSJc61luGIc=' "$work/class" 'the key of class 2B, 2026' > "$work/data/test-etc/classroom.conf"
#! setting ZRsettings ZRsetting0 1
menu Tools > User Details
set frmUserDetails.txbName Sam Student
click frmUserDetails.cmdOK
let LoggedIn -1
expect event "{\"event\":\"refused\",\"target\":\"LoggedIn\",\"text\":\"Locked room: LoggedIn is set only by the login window, with the room's password.\"}"
expect LoggedIn 0
let LoggedIn 1
expect event "Locked room: LoggedIn is set only by the login window"
expect LoggedIn 0
applyoptions
set FRMsimulation.DBtiminggrid(2,3) 50
expect event "{\"event\":\"refused\",\"target\":\"FRMsimulation.DBtiminggrid(2,3)\"}"
menu Systems > Set Faults...
click frmFaults.cmdFaults
expect message "You must login before you can see the list of faults"
click frmLogin.cmdCancel
show frmFaults.txtFaults
expect event "Locked room: before the login a script reaches only what the windows show, and frmFaults.txtFaults is hidden."
file DATA:faults.txt
expect event "Locked room: before the login script mode does not read the faults list, the challenges or the class's attempts."
menu Tools > Class Dashboard...
expect message "You must login before you can see the class dashboard"
click frmLogin.cmdCancel
show frmClassDashboard
expect event "{\"event\":\"refused\",\"target\":\"frmClassDashboard\",\"text\":\"Locked room: the class dashboard opens only after the login.\"}"
click frmClassDashboard.cmdRefresh
expect event "Locked room: the class dashboard opens only after the login."
expect noevent "\"event\":\"show\""
menu Tools > Set Up Class...
expect message "You must login before you can set up a class"
click frmLogin.cmdCancel
click frmClassSetup.cmdWrite
expect event "{\"event\":\"refused\",\"target\":\"frmClassSetup.cmdWrite\",\"text\":\"Locked room: Set Up Class opens only after the login.\"}"
menu Tools > Challenges...
pick frmChallenges.lstChallenges "01 The engine will not start"
show frmChallenges.chkPick(1)
expect event "frmChallenges.chkPick(1) is hidden."
show frmChallenges.cmbPart(0)
expect event "frmChallenges.cmbPart(0) is hidden."
click frmChallenges.cmdSave
expect event "frmChallenges.cmdSave is hidden."
file "DATA:challenges/01 The engine will not start.vch"
expect event "does not read the faults list, the challenges"
expect noevent "Engine speed sensor | The part itself"
click frmChallenges.cmdStart
expect frmChallengeRun.attempt running true
show frmFaults.chkFault(1)
expect event "{\"event\":\"refused\",\"target\":\"frmFaults.chkFault(1)\",\"text\":\"Locked room: the fault boxes are not read while a challenge is running.\"}"
# The room's password through the login window: the instructor's way in, and the tests'.
menu File > Login...
set frmLogin.txtPassword "Right 1"
click frmLogin.cmdOK
expect message "Password accepted, you now have access to the database and faults list..."
expect LoggedIn -1
show frmFaults.chkFault(1)
expect event "Locked room: the fault boxes are not read while a challenge is running."
answer Yes
click frmChallengeRun.cmdEnd
expect frmChallengeRun.attempt running false
expect frmFaults.chkFault(1) checked false
expect frmChallenges.chkPick(1) checked true
click frmFaults.cmdFaults
expect frmFaults.txtFaults visible true
file DATA:faults.txt
expect event "\"event\":\"file\""
set FRMsimulation.DBtiminggrid(2,3) 50
expect FRMsimulation.DBtiminggrid(2,3) text 50
menu Tools > Class Dashboard...
show frmClassDashboard
expect frmClassDashboard attempts 1
expect noevent "Locked room"
