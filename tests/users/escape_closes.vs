# Escape closes the login window, as its Cancel button does, and the options window, as its close
# box does: nothing is stored.
menu File > Login...
expect frmLogin loaded true
key frmLogin.txtUserName Escape
expect frmLogin loaded false
expect LoggedIn 0
menu Tools > Options
expect frmOptions.Check1(0) value 0
key frmOptions.Check1(0) Space
expect frmOptions.Check1(0) value 1
key frmOptions.Check1(0) Escape
expect frmOptions loaded false
menu Tools > Options
expect frmOptions.Check1(0) value 0
key frmOptions.cmdOK Escape
expect frmOptions loaded false
