# User details: OK stores the four boxes and they come back after a restart, quotes, signs the
# settings file uses and long text included; Cancel stores nothing.
menu Tools > User Details
expect frmUserDetails.txbName text ""
set frmUserDetails.txbName Seán "Spanner" O'Neill
set frmUserDetails.txbCompany "Garage; Bay = 3 [north]"
set frmUserDetails.txbAddress "1 Rue de l'Église, 75001 Paris"
set frmUserDetails.txbTelephone "+44 (0)1632 960123 # ext 7"
click frmUserDetails.cmdOK
expect frmUserDetails loaded false
expect status Ready...
#! restart
menu Tools > User Details
expect frmUserDetails.txbName text Seán "Spanner" O'Neill
expect frmUserDetails.txbCompany text "Garage; Bay = 3 [north]"
expect frmUserDetails.txbAddress text "1 Rue de l'Église, 75001 Paris"
expect frmUserDetails.txbTelephone text "+44 (0)1632 960123 # ext 7"
set frmUserDetails.txbName Nobody
click frmUserDetails.cmdCancel
expect frmUserDetails loaded false
menu Tools > User Details
expect frmUserDetails.txbName text Seán "Spanner" O'Neill
#! restart
# A value with line breaks and one of ten thousand characters, stored by another hand, are shown
# and written back whole.
#! sh rm -f "$conf"; printf '[ZRsettings]\nZRuserAddress="1 High St\\nLeeds"\nZRuserCompany=%s\n' "$(head -c 10000 /dev/zero | tr '\0' x)" > "$conf"
menu Tools > User Details
expect frmUserDetails.txbAddress text "1 High St\nLeeds"
click frmUserDetails.cmdOK
#! restart
menu Tools > User Details
expect frmUserDetails.txbAddress text "1 High St\nLeeds"
