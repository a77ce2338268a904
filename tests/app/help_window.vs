# The guide in the program's own help window: Help > Help with no window in front opens the
# contents, F1 the page of the window in front, Back and Forward (buttons and keys), the search
# through every page, and the web page's address in a message where no browser can open it.
shell off
menu Help > Help
expect frmHelp page index.html
expect frmHelp back false
expect noevent "\"shell\""
menu Systems > Set Faults...
key frmFaults F1
expect frmHelp page faults.html
expect frmHelp back true
click frmHelp.cmdBack
expect frmHelp page index.html
expect frmHelp forward true
key frmHelp Alt+Right
expect frmHelp page faults.html
menu Tools > Telemetry
key MultiScope.picCircuit F1
expect frmHelp page telemetry.html
menu Tools > Scanner
key MultiScope F1
expect frmHelp page scanner.html
key frmHelp F1
expect frmHelp page index.html
# F1 works in a dialog too: its part of the guide.
menu File > Login...
key frmLogin.txtPassword F1
expect frmHelp page instructors.html
set frmHelp.txtFind Knock
key frmHelp.txtFind Enter
expect frmHelp selected Knock
expect frmHelp page instructors.html
pick frmHelp.lstContents Faults
expect frmHelp page faults.html
set frmHelp.txtFind "no such word anywhere"
click frmHelp.cmdFind
expect frmHelp found "\"no such word anywhere\" is not in the guide."
expect frmHelp matches ""
key frmHelp Ctrl+F4
expect frmHelp visible false
menu Help > ZR Web Site
expect event "\"opened\":false"
expect event "\"text\":\"The web page could not be opened here: no web browser is set up to open it.\\r\\rIts address is: /"
menu Help > About
click frmAbout.lblWebSite
expect event "\"opened\":false"
expect event "Its address is: /"
