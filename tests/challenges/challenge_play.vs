# A student plays a shipped challenge to the right answer and another to a wrong one. While it
# runs the faults window is locked and covered and its list refused, even to a logged-in user;
# every drop, scanner read and reading counts; a hint costs its points. Once it has ended the
# list opens again, and closing the panel repairs the vehicle. Each attempt is a results row.
# The student's name is the one entered under User Details.
menu Tools > User Details
set frmUserDetails.txbName Sam Student
click frmUserDetails.cmdOK
menu Tools > Challenges...
pick frmChallenges.lstChallenges "05 The battery keeps going flat"
expect frmChallenges.lblLimits text "Time limit: 35 minutes.  At most 35 measurements.  3 hints, at a cost.  3 attempts; their mean counts.  Find the fault."
click frmChallenges.cmdStart
expect EngineRunning -1
expect frmChallenges visible false
expect frmChallengeRun.attempt running true
menu Systems > Set Faults...
expect frmFaults.chkFault(38) enabled false
expect frmFaults.cmdClear enabled false
expect frmFaults.lblLocked visible true
let LoggedIn -1
click frmFaults.cmdFaults
expect message "The faults list is locked while a challenge is running. End the challenge first."
expect frmFaults.txtFaults visible false
close frmFaults
expect frmFaults.chkFault(38) checked false
menu Tools > Challenges...
expect frmChallengeRun visible true
drop frmCharging.lblOutputVoltage(0) MultiScope.cmdConnection
drop frmCharging.lblWL(0) MultiScope.cmdConnection
click MultiScope.cmdRead
pick MultiScope.cmbReading "Battery - fully charged"
pick MultiScope.cmbReading "None"
tick 30
expect frmChallengeRun.lblMeasurements text "Measurements: 4 of 35"
expect frmChallengeRun.lblTime text "Time: 0:31 of 35:00"
show frmChallengeRun.attempt
expect event "point":"Charge warning light (Charging system)","reading":"DMM 0.0 V (dc)"
answer No
click frmChallengeRun.cmdHint
expect frmChallengeRun.lblHints text "Hints used: 0 of 3 (0 points)"
answer Yes
click frmChallengeRun.cmdHint
expect frmChallengeRun.lblHints text "Hints used: 1 of 3 (5 points)"
click frmChallengeRun.cmdSubmit
expect message "Choose the faulty part and its circuit before you submit your diagnosis."
pick frmChallengeRun.cmbAnswerPart(0) Alternator
pick frmChallengeRun.cmbAnswerCircuit(0) "The part itself"
answer Yes
click frmChallengeRun.cmdSubmit
expect frmChallengeRun.lblResult text Right
expect frmChallengeRun.attempt score 95
expect frmChallengeRun.cmdSaveResult visible false
expect filelines "USERDATA:Challenge results.csv" 2
expect fileline "USERDATA:Challenge results.csv" 1 "Student,Challenge,Date and time,Answer,Result,Time,Measurements,Hints,Score"
file "USERDATA:Challenge results.csv"
expect event "Sam Student,The battery keeps going flat,"
file "USERDATA:Challenge results.csv"
expect event ",Alternator - The part itself,Right,0:31,4,1,95"
click frmFaults.cmdFaults
expect frmFaults.txtFaults visible true
expect frmFaults.chkFault(38) enabled true
expect frmFaults.lblLocked visible false
click frmChallengeRun.cmdClose
expect frmFaults.chkFault(38) checked true
expect frmChallengeRun.attempt active false
menu Tools > Challenges...
pick frmChallenges.lstChallenges "01 The engine will not start"
click frmChallenges.cmdStart
expect frmFaults.chkFault(1) enabled false
menu File > Start / Stop Engine
drop FRMsimulation.lblECU(0) MultiScope.cmdConnection
pick frmChallengeRun.cmbAnswerPart(0) "Engine speed sensor"
pick frmChallengeRun.cmbAnswerCircuit(0) "Its connection at the ECU"
answer Yes
click frmChallengeRun.cmdSubmit
expect frmChallengeRun.lblResult text Wrong
expect frmChallengeRun.attempt score 0
expect filelines "USERDATA:Challenge results.csv" 3
file "USERDATA:Challenge results.csv"
expect event "Sam Student,The engine will not start,"
file "USERDATA:Challenge results.csv"
expect event ",Engine speed sensor - Its connection at the ECU,Wrong,0:14,1,0,0"
