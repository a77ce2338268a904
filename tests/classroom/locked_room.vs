# A room whose configuration holds a hashed password and the lock: the user's own password,
# the delivered one, an empty one or a deleted key do not get in; the room's does, and cannot
# be changed from the login. A damaged configuration lets nobody in and says why.
#! sh mkdir -p "$work/data/test-etc" && printf '# room 2B\npassword = %s\n' 'pbkdf2-sha256$1000$Y2xhc3Nyb29tLXNhbHQtMQ==$Wh5xpirvww60uEIlKIc/yotRomTbxzi3iSJc61luGIc=' > "$work/data/test-etc/classroom.conf"
#! setting ZRsettings ZRsettingPW mine
menu File > Login...
set frmLogin.txtPassword mine
click frmLogin.cmdOK
expect message "Invalid Password, please try again!"
expect LoggedIn 0
set frmLogin.txtPassword gearcase
click frmLogin.cmdOK
expect message "Invalid Password, please try again!"
click frmLogin.cmdHelp
expect message "The list of faults and database access is password protected. In this room the password is set by the administrator in the classroom configuration; ask your instructor."
expect noevent gearcase
set frmLogin.txtPassword "Right 1"
set frmLogin.txtNewPassword1 mine
set frmLogin.txtNewPassword2 mine
click frmLogin.cmdOK
expect event "Password accepted, you now have access to the database and faults list..."
expect event "The password of this room is set in the classroom configuration"
expect LoggedIn -1
expect frmLogin loaded false
file CONFIG:Vantorel/Vantorel.conf
expect event "ZRsettingPW=mine"
#! restart
#! sh printf '[ZRsettings]\nZRsettingPW=\n' > "$conf"
menu File > Login...
set frmLogin.txtPassword ""
click frmLogin.cmdOK
expect message "Invalid Password, please try again!"
#! restart
#! sh rm -f "$conf"
menu File > Login...
set frmLogin.txtPassword gearcase
click frmLogin.cmdOK
expect message "Invalid Password, please try again!"
set frmLogin.txtPassword "Right 1"
click frmLogin.cmdOK
expect LoggedIn -1
#! restart
#! sh printf 'lokc = no\n' >> "$work/data/test-etc/classroom.conf"
menu File > Login...
set frmLogin.txtPassword "Right 1"
click frmLogin.cmdOK
expect event "cannot be used (line 3: \\\"lokc\\\" is not a name the file may give (password, class folder, class key, lock, student id)), so no password is accepted."
expect LoggedIn 0
