# Setting up a class from the program: the instructor's Set Up Class window makes the class
# folder's folders, refuses two passwords that differ, writes the classroom file (its password
# as a hash only) and checks it; the next start reads it. A read-only file is left alone and its
# text is offered instead. Save As in the challenge editor offers the class's challenges folder.
# The window fits a 1366 x 768 screen.
#! screen 1366 768
menu Tools > Set Up Class...
expect message "You must login before you can set up a class"
set frmLogin.txtPassword gearcase
click frmLogin.cmdOK
expect LoggedIn -1
menu Tools > Class Dashboard...
expect message "This computer has no class folder. Set one up with Tools > Set Up Class..., or for this user alone in Tools > Options."
menu Tools > Set Up Class...
expect frmClassSetup visible true
expect frmClassSetup onscreen true
show frmClassSetup.lblFile
expect event "test-etc/classroom.conf (not there yet)"
expect frmClassSetup.txtPassword1 text ""
expect frmClassSetup.txtFileText visible false
answer file DATA:class
click frmClassSetup.cmdBrowse
expect event "\"kind\":\"folder\""
click frmClassSetup.cmdCheck
show frmClassSetup.txtReport
expect event "The values above (not written yet). The check found:"
show frmClassSetup.txtReport
expect event "/data/class\\\" does not exist."
click frmClassSetup.cmdMakeFolders
show frmClassSetup.txtReport
expect event "The class folder's folders are there."
show frmClassSetup.txtReport
expect event "/data/class/attempts\\\" is there and can be written."
set frmClassSetup.txtPassword1 "Kettle 7"
set frmClassSetup.txtPassword2 "Kettle 8"
click frmClassSetup.cmdWrite
show frmClassSetup.txtReport
expect noevent "is written"
expect event "The two passwords typed are not the same."
set frmClassSetup.txtPassword2 "Kettle 7"
pick frmClassSetup.cmbStudentId "An id each student types once"
click frmClassSetup.cmdWrite
show frmClassSetup.txtReport
expect event "test-etc/classroom.conf\\\" is written."
show frmClassSetup.txtReport
expect noevent "Problem:"
expect event "Good: The file gives the instructor's password, as a hash."
expect frmClassSetup.txtPassword1 text ""
file DATA:test-etc/classroom.conf
expect event "password = pbkdf2-sha256$100000$"
file DATA:test-etc/classroom.conf
expect noevent "Kettle"
expect event "lock = yes\\nstudent id = ask"
click frmClassSetup.cmdCheck
show frmClassSetup.txtReport
expect event "The classroom file is as shown above."
key frmClassSetup.txtKey Escape
expect frmClassSetup loaded false
#! restart
# The file now locks the room: the class folder is the file's, and its password lets the
# instructor in. The window opens with the file's values, never the hash.
menu Tools > Options
expect frmOptions.cmdClassFolder enabled false
show frmOptions.lblClassFolderNote
expect event "which locks it."
show frmOptions.txtClassFolder
expect event "/data/class\""
close frmOptions
menu File > Login...
set frmLogin.txtPassword "Kettle 7"
click frmLogin.cmdOK
expect LoggedIn -1
menu Tools > Set Up Class...
show frmClassSetup.lblPassword
expect event "leave both boxes empty to keep it"
expect frmClassSetup.txtPassword1 text ""
expect frmClassSetup.cmbStudentId text "An id each student types once"
show frmClassSetup.txtFolder
expect event "/data/class\""
close frmClassSetup
menu Tools > Challenges...
pick frmChallenges.lstChallenges "01 The engine will not start"
answer cancel
click frmChallenges.cmdSaveAs
expect event "/data/class/challenges\",\"event\":\"dialog\""
#! sh chmod a-w "$work/data/test-etc/classroom.conf"
#! restart
# A read-only file is left as it is: the text goes to the administrator instead.
menu File > Login...
set frmLogin.txtPassword "Kettle 7"
click frmLogin.cmdOK
menu Tools > Set Up Class...
click frmClassSetup.chkLock
click frmClassSetup.cmdWrite
show frmClassSetup.txtReport
expect event "classroom.conf\\\" is read-only and is left as it is."
expect frmClassSetup.txtFileText visible true
show frmClassSetup.txtFileText
expect event "lock = no"
file DATA:test-etc/classroom.conf
expect event "lock = yes"
click frmClassSetup.cmdCopy
expect status "The classroom file's text is copied."
answer file TEMP:classroom.conf
click frmClassSetup.cmdSaveText
file TEMP:classroom.conf
expect event "lock = no\\nstudent id = ask"
