# The instructor watches the lesson as it goes: one program is both the seat and the
# instructor's dashboard. The dashboard shows the attempt in progress, with its measurements,
# within one watch of the class folder, and then its result, without a Refresh. A test run of
# the instructor's leaves no trace in the class folder.
#! env USER sstudent
#! sh mkdir -p "$work/data/test-etc" "$work/class/attempts" && printf 'class folder = %s\nclass key = %s\n' "$work/class" 'the key of class 2B, 2026' > "$work/data/test-etc/classroom.conf"
menu Tools > User Details
set frmUserDetails.txbName Sam Student
click frmUserDetails.cmdOK
menu File > Login...
set frmLogin.txtPassword gearcase
click frmLogin.cmdOK
menu Tools > Class Dashboard...
show frmClassDashboard
expect frmClassDashboard attempts 0
expect frmClassDashboard watching true
show frmClassDashboard.lblLive
expect event "Working now: no student has started a challenge yet. - updated 12:00:"
menu Tools > Challenges...
pick frmChallenges.lstChallenges "05 The battery keeps going flat"
click frmChallenges.cmdStart
drop frmCharging.lblOutputVoltage(0) MultiScope.cmdConnection
watch
expect frmClassDashboard working 1
expect frmClassDashboard.grdLive(0,0) text "Sam Student (sstudent)"
expect frmClassDashboard.grdLive(0,2) text "The battery keeps going flat"
expect frmClassDashboard.grdLive(0,5) text 1
expect frmClassDashboard.grdLive(0,8) text Working
show frmClassDashboard.lblLive
expect event "Working now: 1 student working - updated 12:00:"
# The challenge's clock: the seat writes every few seconds, the dashboard shows the time so far.
tick 12
watch
expect frmClassDashboard.grdLive(0,4) text "0:15"
expect frmClassDashboard.grdLive(0,7) text "0 s ago"
screenshot frmClassDashboard TEMP:class_live.png
pick frmChallengeRun.cmbAnswerPart(0) Alternator
pick frmChallengeRun.cmbAnswerCircuit(0) "The part itself"
answer Yes
click frmChallengeRun.cmdSubmit
show frmChallengeRun.txtResult
expect event "Handed in to the class folder."
expect frmClassDashboard attempts 0
watch
expect frmClassDashboard attempts 1
expect frmClassDashboard.grdAttempts(0,0) text "Sam Student (sstudent)"
expect frmClassDashboard.grdAttempts(0,4) text Right
expect frmClassDashboard.grdLive(0,8) text Finished
show frmClassDashboard.lblLive
expect event "Working now: 0 students working - updated 12:00:"
click frmChallengeRun.cmdClose
# The instructor tries a challenge out: nothing of it reaches the class.
menu Tools > Challenges...
pick frmChallenges.lstChallenges "01 The engine will not start"
click frmChallenges.cmdTestRun
drop frmCharging.lblOutputVoltage(0) MultiScope.cmdConnection
tick 6
watch
expect frmClassDashboard working 1
expect frmClassDashboard.grdLive(0,2) text "The battery keeps going flat"
expect frmClassDashboard.grdLive(0,8) text Finished
