# A challenge that asks for two guided tests. The student sets them up from the challenge's
# panel: the crank sensor passes, the manifold pressure sensor (its wiring open) fails; the
# attempt keeps each run with its result and the screen at the result, hands them in with the
# diagnosis, and the instructor's dashboard shows them. A second attempt that runs neither
# loses their points.
#! sh mkdir -p "$work/data/test-etc" "$work/class/attempts" "$work/class/challenges" && printf 'class folder = %s\nclass key = %s\n' "$work/class" 'the key of class 2B, 2026' > "$work/data/test-etc/classroom.conf"
#! sh printf 'Vantorel challenge 1\nTitle: Hesitation when pulling away\nEngine: running\nBattery: 12\nTemperature: 90\nGear: N\nThrottle: off\nAuto run: off\nFaults: 8\nAnswer: Engine load sensor | Its wiring\nGuided tests: crank-sensor, map-sensor\nInstructions:\nRun the two guided tests the panel lists, then name the fault.\nEnd of challenge\n' > "$work/class/challenges/Hesitation.vch"
menu Tools > User Details
set frmUserDetails.txbName Sam Student
click frmUserDetails.cmdOK
menu Tools > Challenges...
pick frmChallenges.lstChallenges "Hesitation (class)"
expect frmChallenges.lblLimits text "No time limit.  No limit on measurements.  No hints.  3 attempts; their mean counts.  2 guided tests to run.  Find the fault."
click frmChallenges.cmdStart
expect frmChallengeRun.lstGuided visible true
set FRMsimulation.HSB_engine_speed 800
tick 2

# The first test, set up from the panel by the keyboard: it passes.
pick frmChallengeRun.lstGuided "Crank sensor at idle: not run to a result"
key frmChallengeRun.lstGuided Enter
expect MultiScope.optLive checked true
expect MultiScope.cmdChannel(0) text "A: Engine speed"
sweep 40
expect MultiScope.lblGuidedVerdict text "Pass: 10 of 10 captures inside the mask"
pick frmChallengeRun.lstGuided "Crank sensor at idle: Pass"
show frmChallengeRun.attempt
expect event "\"guided\":[{\"reason\":\"5 of 5 captures inside the mask\",\"result\":\"Pass\",\"screen\":"
expect frmChallengeRun.attempt guidedmissing 1

# The second fails: the sensor's wiring is open.
pick frmChallengeRun.lstGuided "Manifold pressure sensor at idle: not run to a result"
key frmChallengeRun.lstGuided Enter
expect MultiScope.cmdChannel(0) text "A: Engine load %"
sweep 40
pick frmChallengeRun.lstGuided "Manifold pressure sensor at idle: Fail"
expect frmChallengeRun.attempt guidedmissing 0
pick frmChallengeRun.cmbAnswerPart(0) "Engine load sensor"
pick frmChallengeRun.cmbAnswerCircuit(0) "Its wiring"
answer Yes
click frmChallengeRun.cmdSubmit
expect frmChallengeRun.lblResult text Right
expect frmChallengeRun.attempt score 100
show frmChallengeRun.txtResult
expect event "Guided tests asked for:\\n  Crank sensor at idle: Pass\\n  Manifold pressure sensor at idle: Fail"
click frmChallengeRun.cmdClose

# Again, straight to the answer: nothing measured on the faulty circuit, and the two tests
# without a result cost 10 points each.
menu Tools > Challenges...
pick frmChallenges.lstChallenges "Hesitation (class)"
click frmChallenges.cmdStart
pick frmChallengeRun.cmbAnswerPart(0) "Engine load sensor"
pick frmChallengeRun.cmbAnswerCircuit(0) "Its wiring"
answer Yes
click frmChallengeRun.cmdSubmit
expect frmChallengeRun.attempt score 40
show frmChallengeRun.txtResult
expect event "Guided tests without a result: 2 (-20)"
click frmChallengeRun.cmdClose

# The instructor sees the runs and the screen at each result.
menu File > Login...
set frmLogin.txtPassword gearcase
click frmLogin.cmdOK
menu Tools > Class Dashboard...
expect frmClassDashboard attempts 2
expect frmClassDashboard.grdAttempts(0,5) text 100
expect frmClassDashboard.grdAttempts(1,5) text 40
dblclick frmClassDashboard.grdAttempts(0,3)
show frmClassDashboard.txtPath
expect event "Guided tests asked for: Crank sensor at idle; Manifold pressure sensor at idle"
show frmClassDashboard.txtPath
expect event "Manifold pressure sensor at idle:  Fail (at"
expect frmClassDashboard.lstGuidedRuns visible true
show frmClassDashboard.imgGuidedScreen
expect event "\"picturesize\":["
pick frmClassDashboard.lstGuidedRuns "Manifold pressure sensor at idle: Fail"
show frmClassDashboard.imgGuidedScreen
expect event "\"picturesize\":["
# At its full size: the picture goes to the temporary folder and opens in the desktop's viewer.
key frmClassDashboard.lstGuidedRuns Enter
expect event "Vantorel guided test screen.png\""
dblclick frmClassDashboard.grdAttempts(1,3)
expect frmClassDashboard.lstGuidedRuns visible false
