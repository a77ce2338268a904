# A wrong diagnosis scores 0 and is not told the right fault (the default). Drops with the engine stopped give the usual reminder and do not
# count. A results file that cannot be written is reported and the result stays on screen.
#! sh mkdir -p "$work/userdata/vantorel/Challenge results.csv"
menu Tools > Challenges...
pick frmChallenges.lstChallenges "01 The engine will not start"
click frmChallenges.cmdStart
expect message "Enter your name before you start the challenge."
set frmChallenges.txtStudentName "Alex Example"
click frmChallenges.cmdStart
expect EngineRunning 0
drop FRMsimulation.Label6 MultiScope.cmdConnection
expect message "Remember, the engine needs to be running or cranking (or at least trying to crank) to get readings on some tests..."
expect frmChallengeRun.attempt count 0
# The engine cranks without starting (13 s of the starter's ramp), kept cranking for the tests.
answer OK
menu File > Start / Stop Engine
expect status "Engine cranking for testing..."
drop FRMsimulation.lblECU(1) MultiScope.cmdConnection
expect frmChallengeRun.attempt count 1
show frmChallengeRun.attempt
expect event "Engine speed (Engine Management system, at the ECU pin)","reading":"no signal"
pick frmChallengeRun.cmbAnswerPart(0) "Engine speed sensor"
pick frmChallengeRun.cmbAnswerCircuit(0) "Its wiring"
answer Yes
click frmChallengeRun.cmdSubmit
expect event "Challenge results.csv\\\".\\n\\nError number: 75 - Path/File access error"
expect frmChallengeRun.txtResult text "Wrong.\nYour diagnosis: Engine speed sensor - Its wiring\nTime: 0:13\nMeasurements: 1\nHints used: 0 (0 points)\nScore: 0 out of 100\n  Wrong diagnosis: 0"
expect frmChallengeRun.cmdSaveResult visible true
click frmChallengeRun.cmdSaveResult
expect event "Error number: 75"
expect frmChallengeRun.cmdSaveResult visible true
answer pdf TEMP:sheet.pdf
click frmChallengeRun.cmdPrint
expect event "1.  0:13  Engine speed (Engine Management system, at the ECU pin):  no signal"
