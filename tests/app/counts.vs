# Counts of one read in the singular: a challenge with a time limit of one minute, one
# measurement and one hint of one point says so before it starts, on its panel, when the hint is
# asked for and in its result.
#! sh printf 'Vantorel challenge 1\nTitle: One of each\nEngine: stopped\nBattery: 12\nTemperature: 8\nGear: N\nThrottle: off\nAuto run: off\nFaults: 1\nAnswer: Engine speed sensor | The part itself\nTime limit: 1\nMeasurement limit: 1\nHint: 1 | Read the fault codes first.\nInstructions:\nFind the fault.\nEnd of challenge\n' > "$work/data/challenges/One of each.vch"
menu Tools > User Details
set frmUserDetails.txbName Sam Student
click frmUserDetails.cmdOK
menu Tools > Challenges...
pick frmChallenges.lstChallenges "One of each"
expect frmChallenges.lblLimits text "Time limit: 1 minute.  At most 1 measurement.  1 hint, at a cost.  3 attempts; their mean counts.  Find the fault."
click frmChallenges.cmdStart
expect frmChallengeRun.cmdHint text "Show a hint (-1 point)"
answer Yes
click frmChallengeRun.cmdHint
expect message "Show hint 1? It costs 1 point."
expect frmChallengeRun.lblHints text "Hints used: 1 of 1 (1 point)"
answer Yes
click frmChallengeRun.cmdEnd
show frmChallengeRun.txtResult
expect event "Hints used: 1 (1 point)"
