# A logged-in instructor writes a challenge, saves it, test-runs it (a measurement limit holds,
# nothing is recorded) and opens a class's results file sorted by student and challenge. Bad
# challenge files are refused with the file's name and the problem, and nothing of them is
# applied. Logged out, the window offers the student's view only.
#! sh printf '' > "$work/tmp/empty.vch"
#! sh head -c 3000 /dev/urandom > "$work/tmp/noise.vch"
#! sh printf 'Vantorel challenge 3\nTitle: x\n' > "$work/tmp/newer.vch"
#! sh printf 'Student,Challenge,Date and time,Answer,Result,Time,Measurements,Hints,Score\r\nAnn,A,2026-01-03 09:00:00,x,Right,3:00,5,0,100\r\n' > "$work/tmp/one.csv"
#! sh printf 'Student,Challenge,Date and time,Answer,Result,Time,Measurements,Hints,Score\r\nZoe,B,2026-01-02 10:00:00,x,Right,1:00,3,0,100\r\nAnn,B,2026-01-02 09:00:00,x,Wrong,2:00,4,1,0\r\nAnn,A,2026-01-03 09:00:00,x,Right,3:00,5,0,100\r\n' > "$work/tmp/class.csv"
menu Tools > Challenges...
expect frmChallenges.cmdSave visible false
expect frmChallenges.cmdStart enabled false
let LoggedIn -1
applyoptions
expect frmChallenges.cmdSave visible true
click frmChallenges.cmdNew
set frmChallenges.txtTitle "Dim lights at idle"
click frmChallenges.cmdSaveAs
expect message "The challenge cannot be saved yet.\n\nThe challenge has no instructions for the student."
set frmChallenges.txtInstructions "The headlamps are dim at idle. Find the fault."
click frmChallenges.chkEngineRunning
set frmChallenges.spnMeasurementLimit 1
set frmChallenges.spnTimeLimit 1
click frmChallenges.chkPick(40)
click frmChallenges.cmdAnswerFromFaults
expect frmChallenges.cmbPart(0) text Rectifier
expect frmChallenges.cmbCircuit(0) text "The part itself"
set frmChallenges.grdHints(0,0) 10
set frmChallenges.grdHints(0,1) "Compare the warning light terminal with the battery."
expect frmChallenges.lblStartState text "Before you start: Engine running, battery 12 V, engine at 20 °C, neutral, throttle off, auto run off."
answer file TEMP:dim.vch
click frmChallenges.cmdSaveAs
# The faults and the answer are sealed: a text editor shows neither.
file TEMP:dim.vch
expect noevent "Rectifier"
file TEMP:dim.vch
expect event "Auto run: off\\nSealed: v1 "
file TEMP:dim.vch
expect event "Hint: 10 | Compare the warning light terminal with the battery.\\nInstructions:\\nThe headlamps are dim at idle. Find the fault.\\nEnd of challenge\\n"
expect frmChallenges.lblFile text dim.vch
# The guided tests the student must run, chosen on their page and saved with the challenge.
set frmChallenges.tabChallenge 4
click frmChallenges.chkGuided(0)
click frmChallenges.chkGuided(6)
expect frmChallenges.lblLimits text "Time limit: 1 minute.  At most 1 measurement.  1 hint, at a cost.  3 attempts; their mean counts.  2 guided tests to run.  Find the fault."
answer file TEMP:guided.vch
click frmChallenges.cmdSaveAs
file TEMP:guided.vch
expect event "Hint: 10 | Compare the warning light terminal with the battery.\\nGuided tests: crank-sensor, injector\\nInstructions:"
click frmChallenges.chkGuided(0)
click frmChallenges.chkGuided(6)
answer file TEMP:dim.vch
answer Yes
click frmChallenges.cmdSaveAs
click frmChallenges.cmdTestRun
expect frmChallengeRun caption "Challenge (test run)"
expect frmChallengeRun.attempt testrun true
drop frmCharging.lblWL(0) MultiScope.cmdConnection
drop frmCharging.lblOutputVoltage(0) MultiScope.cmdConnection
expect message "This challenge allows 1 measurement and you have taken it.\n\nDecide on your diagnosis and submit it."
expect MultiScope.cmdConnection text "Connected: Charge warning light"
click MultiScope.cmdScan
expect frmChallengeRun.attempt count 1
tick 61
expect message "Time is up: the time limit of 1 minute has passed.\n\nSubmit your diagnosis now; a diagnosis submitted after the limit loses 25 points."
expect frmChallengeRun.lblTime text "Time: 1:01 of 1:00 - time is up"
answer Yes
click frmChallengeRun.cmdEnd
expect frmChallengeRun.attempt score 0
expect frmChallengeRun.attempt saved false
expect frmChallengeRun.cmdSaveResult visible false
answer file TEMP:empty.vch
click frmChallenges.cmdOpen
expect message "The challenge \"empty.vch\" cannot be opened.\n\nThe file is empty."
answer file TEMP:noise.vch
click frmChallenges.cmdOpen
expect message "The challenge \"noise.vch\" cannot be opened.\n\nThe file is not a challenge: it holds binary data."
answer file TEMP:newer.vch
click frmChallenges.cmdOpen
expect event "was made by a newer version of Vantorel (challenge format 3); this version reads format 1."
expect frmChallenges.txtTitle text "Dim lights at idle"
answer file TEMP:class.csv
click frmChallenges.cmdResults
expect frmChallengeResults.grdResults(0,0) text Ann
expect frmChallengeResults.grdResults(0,1) text A
expect frmChallengeResults.grdResults(1,1) text B
expect frmChallengeResults.grdResults(2,0) text Zoe
answer file TEMP:dim.vch
click frmChallenges.cmdResults
expect message "The results \"dim.vch\" cannot be opened.\n\nThe file is not a results file: its first line is not the heading \"Student,Challenge,Date and time,Answer,Result,Time,Measurements,Hints,Score\"."
answer file TEMP:one.csv
click frmChallenges.cmdResults
show frmChallengeResults.lblFile
expect event "one.csv - 1 attempt, sorted by student and challenge"

# A title a file name cannot carry: the name offered leaves the characters out, and the user
# is told which file the challenge went to.
click frmChallenges.cmdNew
set frmChallenges.txtTitle "Lambda: lean or rich?"
set frmChallenges.txtInstructions "Read the lambda sensor and say which way the mixture is off."
click frmChallenges.chkPick(40)
click frmChallenges.cmdAnswerFromFaults
answer file "TEMP:Lambda lean or rich.vch"
click frmChallenges.cmdSaveAs
expect event "name":"Lambda lean or rich.vch"
expect message "A file name cannot hold the characters / \\ : * ? \" < > |, so the challenge \"Lambda: lean or rich?\" is saved in the file \"Lambda lean or rich.vch\"."
file "TEMP:Lambda lean or rich.vch"
expect event "Vantorel challenge 1\\nTitle: Lambda: lean or rich?\\n"
