# Guessing does not pay. A wrong diagnosis is not told the right fault; a right one submitted
# straight after, with nothing measured, loses the evidence it lacks; measured at both ends of the
# faulty circuit, the same diagnosis scores full marks.
menu Tools > Challenges...
pick frmChallenges.lstChallenges "01 The engine will not start"
set frmChallenges.txtStudentName "Chris Example"
click frmChallenges.cmdStart
pick frmChallengeRun.cmbAnswerPart(0) "Engine speed sensor"
pick frmChallengeRun.cmbAnswerCircuit(0) "Its wiring"
answer Yes
click frmChallengeRun.cmdSubmit
expect frmChallengeRun.lblResult text Wrong
show frmChallengeRun.txtResult
expect noevent "The fault:"
click frmChallengeRun.cmdClose

menu Tools > Challenges...
pick frmChallenges.lstChallenges "01 The engine will not start"
click frmChallenges.cmdStart
pick frmChallengeRun.cmbAnswerPart(0) "Engine speed sensor"
pick frmChallengeRun.cmbAnswerCircuit(0) "The part itself"
answer Yes
click frmChallengeRun.cmdSubmit
expect frmChallengeRun.lblResult text Right
expect frmChallengeRun.attempt score 60
show frmChallengeRun.txtResult
expect event "Score: 60 out of 100\\n  Right diagnosis: 100\\n  No measurement on the faulty circuit, so no evidence for the diagnosis: -40"
click frmChallengeRun.cmdClose

# The third attempt, with the evidence: the sensor's wire and its pin at the unit while cranking.
menu Tools > Challenges...
pick frmChallenges.lstChallenges "01 The engine will not start"
click frmChallenges.cmdStart
answer OK
menu File > Start / Stop Engine
drop FRMsimulation.lblECU(0) MultiScope.cmdConnection
drop FRMsimulation.lblECU(1) MultiScope.cmdConnection
menu File > Start / Stop Engine
pick frmChallengeRun.cmbAnswerPart(0) "Engine speed sensor"
pick frmChallengeRun.cmbAnswerCircuit(0) "The part itself"
answer Yes
click frmChallengeRun.cmdSubmit
expect frmChallengeRun.attempt score 100
expect filelines "USERDATA:Challenge results.csv" 4
# And the three attempts this challenge allows are used.
click frmChallengeRun.cmdClose
menu Tools > Challenges...
pick frmChallenges.lstChallenges "01 The engine will not start"
click frmChallenges.cmdStart
expect message "You have made all 3 attempts this challenge allows."
