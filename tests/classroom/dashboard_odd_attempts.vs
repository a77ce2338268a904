# The dashboard on attempt files as a class folder may hold them (tests/classroom/odd_attempts.py):
# two wrong answers and two challenge titles that share their first 30 characters each keep a
# bar, a label and a count of their own, with the whole text beside it; the path of an attempt
# with a reading of 500,000 characters shows its start; measurement times no attempt can take
# show as "?"; and the gradebook writes names a spreadsheet would run as formulas as text.
#! sh mkdir -p "$work/data/test-etc" && printf 'class folder = %s\n' "$work/class" > "$work/data/test-etc/classroom.conf"
#! sh python3 "$(dirname "$script")/odd_attempts.py" "$work/class/attempts"
menu File > Login...
set frmLogin.txtPassword gearcase
click frmLogin.cmdOK
menu Tools > Class Dashboard...
expect frmClassDashboard attempts 5
expect frmClassDashboard.lblProblems visible false
show frmClassDashboard.chtWrong
expect event "\"bars\":[{\"label\":\"Engine... wiring\",\"text\":\"Engine temperature sensor - Its wiring\",\"value\":2},{\"label\":\"Engine... connection at the ECU\",\"text\":\"Engine temperature sensor - Its connection at the ECU\",\"value\":1}]"
show frmClassDashboard.chtScores
expect event "\"bars\":[{\"label\":\"Overheating... on a hot day\",\"text\":\"Overheating engine: the fan never starts on a hot day\",\"value\":27},{\"label\":\"Overheating... when cold\",\"text\":\"Overheating engine: the fan never starts when cold\",\"value\":50}]"
pick frmClassDashboard.cmbStudent "Long Reading"
expect frmClassDashboard shown 1
expect frmClassDashboard.grdAttempts(0,8) text 2777:46:40
dblclick frmClassDashboard.grdAttempts(0,3)
show frmClassDashboard.txtPath
expect event "1.  ?  Coolant sensor (Engine Management):  DMM 0.4 V\\n2.  ?  Coolant sensor (Engine Management):  DMM 0.5 V\\n3.  1:01  Fan relay (Engine Management):  xxxxxxxxxx"
show frmClassDashboard.txtPath
expect event "xxx... (499700 more characters)"
pick frmClassDashboard.cmbStudent "(every student)"
answer file TEMP:grades.csv
click frmClassDashboard.cmdExport
expect fileline TEMP:grades.csv 1 "Student,ID,Overheating engine: the fan never starts on a hot day,Overheating engine: the fan never starts when cold,Attempts marked"
file TEMP:grades.csv
expect event "\\r\\n'=1+2,,,0,0\\r\\n"
file TEMP:grades.csv
expect event "\\r\\n'@Cat,,,100,0\\r\\n"
file TEMP:grades.csv
expect event "\\r\\nLong Reading,,80,,0\\r\\n"
