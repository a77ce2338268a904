# The main window's commands around the users' windows: Close All, Properties, the help guide
# (opened in the program's help window, not through the shell) and the web-site entry with the
# address file as shipped, changed, missing or damaged.
#! sh mkdir -p "$work/data/help"; echo '<html></html>' > "$work/data/help/index.html"; echo '<html></html>' > "$work/data/help/about.html"
menu Tools > Options
menu Tools > Memory Maps
menu Tools > User Details
menu File > Login...
menu Systems > Set Faults...
menu Tools > MultiScope
menu Window > 1 Faults...
menu File > Properties
expect event "\"text\":\"The active window is 'Faults...'\\r\\rVisit the Vantorel web page for updates and information: /"
menu File > Close All
expect ToolMode 1
expect status Ready...
expect frmOptions loaded false
expect frmMaps loaded false
expect frmTip loaded false
expect frmUserDetails loaded false
expect frmFaults visible false
expect MultiScope visible false
expect frmLogin visible true
menu File > Properties
expect event "The active window is ''\\r\\rVisit the Vantorel web page for updates and information: /"
menu File > Properties
expect event "/data/help/about.html\",\"title\""
# From the menu bar, with no child window open (the login floats beside): the contents.
menu Help > Help
expect frmHelp page index.html
expect noevent "index.html\"}"
menu Help > ZR Web Site
expect event "data/help/about.html\"}"
#! restart
#! sh printf '\r\n  https://school.example.org/vantorel  \r\nignored\r\n' > "$work/data/website.txt"; rm -r "$work/data/help"
menu Help > ZR Web Site
expect event "{\"event\":\"shell\",\"target\":\"https://school.example.org/vantorel\"}"
menu Help > Help
expect event "Error number: 53 - File not found: the help guide "
expect noevent "\"shell\""
#! restart
#! sh printf 'javascript:alert(1)\n' > "$work/data/website.txt"
menu Help > ZR Web Site
expect message "The Vantorel web page cannot be opened: the address in website.txt is not a web page (http or https): javascript:alert(1)"
#! restart
#! sh head -c 100 /dev/zero > "$work/data/website.txt"
menu Help > ZR Web Site
expect message "The Vantorel web page cannot be opened: the file website.txt is not a text file."
menu File > Properties
expect event "The Vantorel web page cannot be named: the file website.txt is not a text file."
