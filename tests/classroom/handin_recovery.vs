# Handing in when this seat cannot know its class folder. A misspelt line in the classroom file:
# the attempt is kept on this computer and the student is told which line is wrong; once the
# file is mended the next start hands it in, and clears what killed hand-ins left behind. A
# relative class folder in the user's settings is refused by name the same way.
#! sh mkdir -p "$work/class/attempts" "$work/data/test-etc" && printf 'class folder = %s\nclass key = %s\nlokc = no\n' "$work/class" 'the key of class 2B, 2026' > "$work/data/test-etc/classroom.conf"
menu Tools > Challenges...
pick frmChallenges.lstChallenges "01 The engine will not start"
set frmChallenges.txtStudentName "Sam Student"
click frmChallenges.cmdStart
pick frmChallengeRun.cmbAnswerPart(0) "Engine speed sensor"
pick frmChallengeRun.cmbAnswerCircuit(0) "The part itself"
answer Yes
click frmChallengeRun.cmdSubmit
expect event "cannot be used (line 3: \\\"lokc\\\" is not a name the file may give (password, class folder, class key, lock, student id)).\\n\\nIt is kept on this computer and will be handed in once that is put right."
show frmChallengeRun.txtResult
expect event "Kept on this computer until the class folder is known."
expect filelines "USERDATA:Challenge results.csv" 2
tick
expect noevent "now been handed in"
#! restart
# Mended. A kill had left a temporary file in the outbox and in the class folder, minutes ago.
#! sh sed -i '/lokc/d' "$work/data/test-etc/classroom.conf"; o="$work/userdata/vantorel/Class outbox"; for f in "$o/.20261208-101502 Sam.vat.Ab12Cd" "$work/class/attempts/.20261208-101502 Sam.vat.Zz98Yy"; do printf '{"form' > "$f"; touch -d '-3 minutes' "$f"; done
tick
expect message "The class folder can be reached again: 1 attempt kept on this computer has now been handed in."
#! restart
#! sh { ls -A "$work/userdata/vantorel/Class outbox"; ls -A "$work/class/attempts" | sed 's/^[0-9-]* Sam Student [0-9a-f-]*\.vat$/one attempt/'; } | tr '\n' ' ' > "$work/data/left.txt"
expect filetext DATA:left.txt "one attempt "
#! restart
# An open room, and the student's own class folder is relative: refused, by its setting's name.
#! sh printf 'class folder = %s\nlock = no\n' "$work/class" > "$work/data/test-etc/classroom.conf"
#! setting ZRsettings ZRclassFolder class
menu Tools > Challenges...
pick frmChallenges.lstChallenges "01 The engine will not start"
click frmChallenges.cmdStart
pick frmChallengeRun.cmbAnswerPart(0) "Engine speed sensor"
pick frmChallengeRun.cmbAnswerCircuit(0) "The part itself"
answer Yes
click frmChallengeRun.cmdSubmit
expect event "Your attempt could not be handed in: the class folder \\\"class\\\" of the setting ZRclassFolder (section ZRsettings) is not an absolute path."
