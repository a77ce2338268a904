# Without a classroom file the login is as it always was; a new password is kept as a hash,
# so the settings file no longer shows it, and the password typed still gets in.
menu File > Login...
set frmLogin.txtPassword gearcase
set frmLogin.txtNewPassword1 "Zündkerze 点火"
set frmLogin.txtNewPassword2 "Zündkerze 点火"
click frmLogin.cmdOK
expect message "New password has been set..."
file CONFIG:Vantorel/Vantorel.conf
expect event "pbkdf2-sha256$100000$"
expect noevent "Zündkerze"
#! restart
menu File > Login...
set frmLogin.txtPassword gearcase
click frmLogin.cmdOK
expect message "Invalid Password, please try again!"
set frmLogin.txtPassword "Zündkerze 点火"
click frmLogin.cmdOK
expect LoggedIn -1
