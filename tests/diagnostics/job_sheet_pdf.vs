# A job sheet sent to a PDF file through the real printer path reads back in order.
#! setting ZRsettings ZRuserCompany Acme Garage
#! sh printf 'https://garage-school.example.net/vantorel\r\n' > "$work/data/website.txt"
menu Tools > Diagnostics
click frmDiagnostics.DataSystem(last)
answer OK
answer pdf TEMP:sheet.pdf
menu File > Print...
#! restart
#! sh pdftotext -layout "$work/tmp/sheet.pdf" - | tr -s ' ' | sed 's/^ //' | grep -v '^$' | sed 's/$/\r/' > "$work/data/sheet.txt"
expect fileline DATA:sheet.txt 1 "'Vantorel' - Diagnostics"
expect fileline DATA:sheet.txt 2 "https://garage-school.example.net/vantorel"
expect fileline DATA:sheet.txt 4 "Acme Garage"
expect fileline DATA:sheet.txt 8 "Vehicle system: Fuel system"
expect fileline DATA:sheet.txt 11 "Carry out the following procedures in sequence..."
expect fileline DATA:sheet.txt 12 "If the main test is NOT OK then carry out the inset procedure..."
expect fileline DATA:sheet.txt 13 "Listen for the pump running two seconds at ignition on."
