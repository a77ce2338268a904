# A lesson with a class folder. The share is not there when the student hands in: the user is
# told once, the attempts wait on the seat and are handed in when it is back. The class's own
# challenges are offered. The instructor's dashboard shows both attempts, marks the one whose
# score was edited, names the damaged files it skips, filters, shows a path, charts, exports
# the gradebook and prints.
#! env USER sstudent
#! sh mkdir -p "$work/data/test-etc" && printf 'class folder = %s\nclass key = %s\n' "$work/class" 'the key of class 2B, 2026' > "$work/data/test-etc/classroom.conf"
menu Tools > User Details
set frmUserDetails.txbName Sam Student
click frmUserDetails.cmdOK
menu Tools > Challenges...
pick frmChallenges.lstChallenges "05 The battery keeps going flat"
click frmChallenges.cmdStart
drop frmCharging.lblOutputVoltage(0) MultiScope.cmdConnection
pick frmChallengeRun.cmbAnswerPart(0) Alternator
pick frmChallengeRun.cmbAnswerCircuit(0) "The part itself"
answer Yes
click frmChallengeRun.cmdSubmit
expect event "cannot be found.\\n\\nIt is kept on this computer and will be handed in when the class folder can be reached again."
show frmChallengeRun.txtResult
expect event "Kept on this computer until the class folder can be reached."
click frmChallengeRun.cmdClose
menu Tools > Challenges...
pick frmChallenges.lstChallenges "01 The engine will not start"
click frmChallenges.cmdStart
pick frmChallengeRun.cmbAnswerPart(0) "Engine speed sensor"
pick frmChallengeRun.cmbAnswerCircuit(0) "Its connection at the ECU"
answer Yes
click frmChallengeRun.cmdSubmit
expect frmChallengeRun.lblResult text Wrong
expect noevent "could not be handed in"
expect filelines "USERDATA:Challenge results.csv" 3
#! restart
#! sh mkdir -p "$work/class/attempts" "$work/class/challenges" && cp "$work/data/challenges/02 The starter clicks but does not turn.vch" "$work/class/challenges/Class starter.vch"
tick
expect message "The class folder can be reached again: 2 attempts kept on this computer have now been handed in."
menu Tools > Challenges...
pick frmChallenges.lstChallenges "Class starter (class)"
expect frmChallenges.lblFile text "Class starter.vch"
menu Tools > Class Dashboard...
expect message "You must login before you can see the class dashboard"
#! restart
#! sh for f in "$work/class/attempts/"*.vat; do sed -i 's/"score": 0,/"score": 100,/' "$f"; done; : > "$work/class/attempts/empty.vat"; printf 'PK\003\004\000\000binary' > "$work/class/attempts/noise.vat"
menu File > Login...
set frmLogin.txtPassword gearcase
click frmLogin.cmdOK
menu Tools > Class Dashboard...
expect event "2 files of the folder could not be read and are left out.\\n\\n\\\"empty.vat\\\": The file is empty.\\n\\\"noise.vat\\\": The file is not an attempt file"
show frmClassDashboard
expect frmClassDashboard attempts 2
expect frmClassDashboard marked 1
expect frmClassDashboard.grdAttempts(0,1) text "The battery keeps going flat"
expect frmClassDashboard.grdAttempts(0,9) text Good
expect frmClassDashboard.grdAttempts(1,5) text 100
expect frmClassDashboard.grdAttempts(1,9) text Changed
expect frmClassDashboard.lblShown text "2 shown, 1 marked: changed or without a check"
expect frmClassDashboard.lblProblems visible true
dblclick frmClassDashboard.grdAttempts(0,3)
show frmClassDashboard.txtPath
expect event "Answer: Alternator - The part itself  (right), score 80\\n1.  0:00  System voltage (Charging system):  DMM 12.0 V (dc)"
show frmClassDashboard.chtScores
expect event "\"bars\":[{\"label\":\"The battery keeps going flat\",\"text\":\"The battery keeps going flat\",\"value\":80},{\"label\":\"The engine will not start\",\"text\":\"The engine will not start\",\"value\":100}]"
show frmClassDashboard.chtWrong
expect event "\"bars\":[{\"label\":\"Engine speed sensor - Its conn...\",\"text\":\"Engine speed sensor - Its connection at the ECU\",\"value\":1}]"
pick frmClassDashboard.cmbChallenge "The engine will not start"
expect frmClassDashboard shown 1
expect frmClassDashboard.grdAttempts(0,4) text Wrong
pick frmClassDashboard.cmbChallenge "(every challenge)"
answer file TEMP:grades.csv
click frmClassDashboard.cmdExport
expect filelines TEMP:grades.csv 2
expect fileline TEMP:grades.csv 1 "Student,ID,The battery keeps going flat,The engine will not start,Attempts marked"
expect fileline TEMP:grades.csv 2 "Sam Student,sstudent,80,100,1"
click frmClassDashboard.cmdPrint
expect event "(marked)"
