# The job sheet: the user's details, the routine's steps up to the first empty test (field 25
# never), one print job per copy; Cancel prints nothing; a failed job stops the copies.
#! setting ZRsettings ZRuserCompany Acme Garage
#! setting ZRsettings ZRuserName Sam Lee
#! setting ZRsettings ZRsetting0 1
menu File > Print...
expect message "You must open a window to print..."
expect noevent "event":"print"

menu Tools > Diagnostics
click frmDiagnostics.DataSystem(next)
expect frmDiagnostics.cmbSystem text "Charging system"
answer OK
answer copies 2
menu File > Print...
expect noevent "After any repair"
expect event "Click OK to print the current diagnostic routine..."
# The first copy's heading (under it the page website.txt names, as Help opens it), the
# second copy's steps: two jobs.
expect event "/data/help/about.html"},{"bold":false,"italic":false,"size":12,"text":"--------------------------------------------------------------------------------------------------------------"},{"bold":false,"italic":false,"size":16,"text":"Acme Garage"},{"bold":false,"italic":false,"size":12,"text":""},{"bold":false,"italic":false,"size":12,"text":"Tel: "},{"bold":false,"italic":false,"size":12,"text":"Diagnostic Technician: Sam Lee    Date & Time: "
expect event ""text":"  Check the stator windings for shorts to earth."},{"bold":false,"italic":false,"size":10,"text":"                 Replace the stator or the alternator."},{"bold":false,"italic":false,"size":10,"text":""},{"bold":false,"italic":true,"size":10,"text":"Repairs completed"
expect noevent "event":"print"

# An empty first test: one blank step, then the signature line.
let LoggedIn -1
applyoptions
set frmDiagnostics.txbRoutine(1) ""
answer OK
answer copies 1
menu File > Print...
expect event ""text":"  "},{"bold":false,"italic":false,"size":10,"text":"                 Adjust or replace the drive belt."},{"bold":false,"italic":false,"size":10,"text":""},{"bold":false,"italic":true,"size":10,"text":"Repairs completed"

# Cancel in the printer dialog, and a printer that fails on the first of two copies.
answer OK
answer cancel
menu File > Print...
expect noevent "event":"print"
answer OK
answer pdf /nonexistent/folder/sheet.pdf
menu File > Print...
expect event "failed":true
expect message "There was a problem printing to your printer."
expect noevent "event":"print"

# Cancel to the routine question: the active window is offered instead.
answer Cancel
answer OK
menu File > Print...
expect event "Click OK to print a copy of the window:  Diagnostic Database... "
expect event "window":"Diagnostic Database"

# A routine with a step of a megabyte: the box shows its start and cannot edit it, an edit of
# another step leaves it whole, and the job sheet says it prints the start of each long text.
#! restart
#! sh python3 -c "import sqlite3; d = sqlite3.connect('$work/data/ZR.db'); d.execute('UPDATE Auxiliaries SET \"2\" = ? WHERE rowid = (SELECT MIN(rowid) FROM Auxiliaries)', ('step ' * 200000,)); d.commit()"
#! setting ZRsettings ZRsetting0 1
menu Tools > Diagnostics
expect frmDiagnostics.txbRoutine(2) locked true
let LoggedIn -1
applyoptions
set frmDiagnostics.txbRoutine(3) "Check the belt."
click frmDiagnostics.datRoutine(next)
click frmDiagnostics.datRoutine(first)
answer OK
answer copies 1
menu File > Print...
expect message "Some texts of this routine are longer than 4000 characters: the job sheet prints the first 4000 of each."

#! restart
#! sh python3 -c "import sqlite3; d = sqlite3.connect('$work/data/ZR.db'); print(*d.execute('SELECT length(\"2\"), \"3\" FROM Auxiliaries ORDER BY rowid LIMIT 1').fetchone(), sep=',', end='')" > "$work/data/kept.txt"
expect filetext DATA:kept.txt "1000000,Check the belt."
