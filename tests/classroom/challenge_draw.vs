# A fault of their own. The classroom asks for student ids; a challenge draws each attempt's
# fault from three sets and allows two attempts. Two students draw different faults; the first
# student's second attempt draws again; a third attempt is refused. A student without an id
# cannot start. (The sets drawn are those the draw's rule gives for these ids: SHA-256 of the id,
# the title and the attempt's number, worked out apart from the program.)
#! sh mkdir -p "$work/data/test-etc" "$work/class/attempts" "$work/class/challenges" && printf 'class folder = %s\nclass key = %s\nstudent id = ask\n' "$work/class" 'the key of class 2B, 2026' > "$work/data/test-etc/classroom.conf"
#! sh printf 'Vantorel challenge 1\nTitle: Hesitation and a warning light\nEngine: running\nBattery: 12\nTemperature: 90\nGear: N\nThrottle: off\nAuto run: off\nDraw: 8; 9; 11\nAttempts: 2\nInstructions:\nFind the fault.\nEnd of challenge\n' > "$work/class/challenges/Draw.vch"
menu Tools > Challenges...
pick frmChallenges.lstChallenges "Draw (class)"
expect frmChallenges.lblLimits text "No time limit.  No limit on measurements.  No hints.  2 attempts; their mean counts.  Find the fault."
expect frmChallenges.txtStudentId visible true
set frmChallenges.txtStudentName "Ana García"
click frmChallenges.cmdStart
expect message "Enter your name and your student id before you start the challenge."
set frmChallenges.txtStudentId s001
click frmChallenges.cmdStart
show frmChallengeRun.attempt
expect event "\"drawn\":2,\"event\":\"show\",\"faults\":[11]"
answer Yes
click frmChallengeRun.cmdEnd
click frmChallengeRun.cmdClose

# Another student: another set.
menu Tools > Challenges...
pick frmChallenges.lstChallenges "Draw (class)"
set frmChallenges.txtStudentName "Ben Okafor"
set frmChallenges.txtStudentId s002
click frmChallenges.cmdStart
show frmChallengeRun.attempt
expect event "\"drawn\":0,\"event\":\"show\",\"faults\":[8]"
answer Yes
click frmChallengeRun.cmdEnd
click frmChallengeRun.cmdClose

# The first student again: the second attempt draws afresh; a third is refused.
menu Tools > Challenges...
pick frmChallenges.lstChallenges "Draw (class)"
set frmChallenges.txtStudentName "Ana García"
set frmChallenges.txtStudentId s001
click frmChallenges.cmdStart
show frmChallengeRun.attempt
expect event "\"drawn\":1,\"event\":\"show\",\"faults\":[9]"
answer Yes
click frmChallengeRun.cmdEnd
click frmChallengeRun.cmdClose
menu Tools > Challenges...
pick frmChallenges.lstChallenges "Draw (class)"
click frmChallenges.cmdStart
expect message "You have made all 2 attempts this challenge allows."
expect frmChallengeRun.attempt active false
