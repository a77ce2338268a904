# The dashboard keys students on their identifier: two of the same name are listed apart, one
# who spelled their name two ways once, under the latest spelling. Each export layout is
# written from the dashboard: the gradebook for a spreadsheet, for Moodle's grade import and for
# Canvas's gradebook import (a row per identifier, the grade by each challenge's rule), and the
# attempts as xAPI statements for a learning record store.
#! sh mkdir -p "$work/data/test-etc" && printf 'class folder = %s\n' "$work/class" > "$work/data/test-etc/classroom.conf"
#! sh python3 "$(dirname "$script")/grade_attempts.py" "$work/class/attempts"
#! sh printf 'kept\r\n' > "$work/tmp/locked.csv" && chmod 444 "$work/tmp/locked.csv"
menu File > Login...
set frmLogin.txtPassword gearcase
click frmLogin.cmdOK
menu Tools > Class Dashboard...
expect frmClassDashboard attempts 9
pick frmClassDashboard.cmbStudent "Sam Lee (s2)"
expect frmClassDashboard shown 1
expect frmClassDashboard.grdAttempts(0,5) text 90
pick frmClassDashboard.cmbStudent "Zoë Novák (k7)"
expect frmClassDashboard shown 3
pick frmClassDashboard.cmbStudent "Ann Old"
expect frmClassDashboard shown 1
pick frmClassDashboard.cmbStudent "(every student)"
expect frmClassDashboard shown 9
expect frmClassDashboard.grdAttempts(0,0) text "Ann Old"
expect frmClassDashboard.grdAttempts(1,0) text "Sam Lee (s1)"
expect frmClassDashboard.grdAttempts(2,0) text "Sam Lee (s2)"
expect frmClassDashboard.grdAttempts(3,0) text "Zoe Novak (k7)"
expect frmClassDashboard.grdAttempts(4,0) text "Zoë Novák (k7)"

# For a spreadsheet: the identifier beside the name, and the count of marked attempts.
answer file TEMP:grades.csv
click frmClassDashboard.cmdExport
expect event "\"title\":\"Export Gradebook\""
expect filelines TEMP:grades.csv 7
expect fileline TEMP:grades.csv 1 "Student,ID,Flat battery,\"Starter, clicks\",Attempts marked"
expect fileline TEMP:grades.csv 2 "Ann Old,,20,,0"
expect fileline TEMP:grades.csv 5 "Zoë Novák,k7,60,80,0"
expect fileline TEMP:grades.csv 6 "Дмитрий Иванов,d4,,83,0"
expect fileline TEMP:grades.csv 7 "李小龍,'=HYPERLINK(1),100,,0"

# Moodle: the identifier first and as it is, the name the import ignores, then grades only.
pick frmClassDashboard.cmbExportLayout "Gradebook: Moodle import (CSV)"
answer file TEMP:moodle.csv
click frmClassDashboard.cmdExport
expect event "\"name\":\"Gradebook for Moodle.csv\""
expect event "1 student has no identifier"
expect filelines TEMP:moodle.csv 7
expect fileline TEMP:moodle.csv 1 "Username,Full name,Flat battery,\"Starter, clicks\""
expect fileline TEMP:moodle.csv 2 ",Ann Old,20,"
expect fileline TEMP:moodle.csv 3 "s1,Sam Lee,40,"
expect fileline TEMP:moodle.csv 4 "s2,Sam Lee,90,"
expect fileline TEMP:moodle.csv 5 "k7,Zoë Novák,60,80"
expect fileline TEMP:moodle.csv 7 "=HYPERLINK(1),李小龍,100,"

# Canvas: its five columns first, the points possible under the heading.
pick frmClassDashboard.cmbExportLayout "Gradebook: Canvas import (CSV)"
answer file TEMP:canvas
click frmClassDashboard.cmdExport
expect filelines TEMP:canvas.csv 8
expect fileline TEMP:canvas.csv 1 "Student,ID,SIS User ID,SIS Login ID,Section,Flat battery,\"Starter, clicks\""
expect fileline TEMP:canvas.csv 2 "    Points Possible,,,,,100,100"
expect fileline TEMP:canvas.csv 4 "Sam Lee,,,s1,,40,"
expect fileline TEMP:canvas.csv 7 "Дмитрий Иванов,,,d4,,,83"

# The statements of the attempts shown, for a learning record store.
pick frmClassDashboard.cmbStudent "Zoë Novák (k7)"
pick frmClassDashboard.cmbExportLayout "Attempts: xAPI statements (JSON)"
answer file TEMP:statements
mark
click frmClassDashboard.cmdExport
expect event "\"title\":\"Export Statements\""
expect noevent "\"event\":\"message\""
file TEMP:statements.json
expect event "http://adlnet.gov/expapi/verbs/passed"
file TEMP:statements.json
expect event "\"duration\\\": \\\"PT1M3S\\\""
file TEMP:statements.json
expect event "\"name\\\": \\\"k7\\\""
file TEMP:statements.json
expect noevent "Sam Lee"

# A file the user made read-only is not replaced: the user is told.
pick frmClassDashboard.cmbExportLayout "Gradebook: Moodle import (CSV)"
answer file TEMP:locked.csv
click frmClassDashboard.cmdExport
expect event "could not be saved to"
expect filetext TEMP:locked.csv "kept\r\n"
