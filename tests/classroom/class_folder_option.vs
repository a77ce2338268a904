# The user's own class folder in the options, where no classroom file locks it: a relative path
# is refused and the window stays; a folder not there is kept only when the user says so; a
# folder set takes effect at once (the class's challenges are offered without a new start). A
# damaged classroom file leaves the box read-only and says why.
#! sh mkdir -p "$work/data/test-etc" "$work/data/class/challenges" "$work/data/class/attempts" && printf 'lock = no\n' > "$work/data/test-etc/classroom.conf" && cp "$work/data/challenges/02 The starter clicks but does not turn.vch" "$work/data/class/challenges/Class starter.vch"
menu Tools > Challenges...
mark
show frmChallenges.lstChallenges
expect noevent "Class starter (class)"
close frmChallenges
menu Tools > Options
expect frmOptions.txtClassFolder text ""
expect frmOptions.cmdClassFolder enabled true
show frmOptions.lblClassFolderNote
expect event "Empty: no class."
set frmOptions.txtClassFolder class
click frmOptions.cmdOK
expect message "The class folder \"class\" is not an absolute path: give the whole path, from the top folder."
expect frmOptions visible true
answer file DATA:nowhere
click frmOptions.cmdClassFolder
answer No
click frmOptions.cmdOK
expect event "The class folder cannot be used now:\\n\\nProblem: The class folder"
expect frmOptions visible true
answer file DATA:class
click frmOptions.cmdClassFolder
click frmOptions.cmdOK
expect frmOptions loaded false
file CONFIG:Vantorel/Vantorel.conf
expect event "/data/class\\n"
menu Tools > Challenges...
pick frmChallenges.lstChallenges "Class starter (class)"
expect frmChallenges.lblFile text "Class starter.vch"
#! restart
#! sh printf 'lock = maybe\n' > "$work/data/test-etc/classroom.conf"
menu Tools > Options
expect frmOptions.cmdClassFolder enabled false
show frmOptions.txtClassFolder
expect event "\"locked\":true"
show frmOptions.lblClassFolderNote
expect event "cannot be used (line 1: the lock is neither yes nor no): no class folder can be set here."
screenshot frmOptions TEMP:options.png
show frmOptions
expect frmOptions onscreen true
close frmOptions
