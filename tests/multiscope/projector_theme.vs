# The projector's theme, chosen in the options: kept for the next start, the Live screen's trace
# drawn at least three pixels wide whatever the Focus control says (its read-out tells), and
# back to the standard look as it was chosen.
#! setting Instruments Scope_source Live
menu Tools > Options
expect frmOptions.cboTheme text "Standard"
pick frmOptions.cboTheme Projector (high contrast)
click frmOptions.cmdOK
mark
file CONFIG:Vantorel/Vantorel.conf
expect event ZRtheme=Projector
#! restart
menu Tools > MultiScope
set MultiScope.updFocus 1
expect MultiScope.lblFocusValue text "3.0 px"
set MultiScope.updFocus 5
expect MultiScope.lblFocusValue text "3.0 px"
menu Tools > Options
expect frmOptions.cboTheme text "Projector (high contrast)"
pick frmOptions.cboTheme Standard
click frmOptions.cmdOK
set MultiScope.updFocus 1
expect MultiScope.lblFocusValue text "0.6 px"
