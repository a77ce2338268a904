# A 1366 x 768 school laptop. The main window was last left at 1600 x 900 pixels at (600, 300)
# on a 1920 x 1080 screen: it comes back whole onto this one, and every window opens fully on
# the screen (child windows inside the main window's working area), at its own size where
# that fits. At exit its place is stored, and the next start on a large screen keeps it.
#! screen 1366 768
#! setting Main_Window Left 9000
#! setting Main_Window Top 4500
#! setting Main_Window Width 24000
#! setting Main_Window Height 13500
expect frmMainscreen frame 0,0,1366,768
expect frmMainscreen onscreen true
menu Systems > Engine Management
expect FRMsimulation onscreen true
expect FRMsimulation width 11750
menu Systems > Controls
expect frmControls onscreen true
menu Tools > MultiScope
expect MultiScope onscreen true
answer file "DATA:Engine speed.msf"
menu File > Open...
dblclick MultiScope.scopescreen
expect frmWaveEdit visible true
expect frmWaveEdit onscreen true
expect MultiScope onscreen true
click frmWaveEdit.cmdCancel
menu Tools > Telemetry
expect MultiScope onscreen true
click MultiScope.cmdGauge(1)
expect frmTelemetryOptions onscreen true
close frmTelemetryOptions
menu Systems > Set Faults...
expect frmFaults onscreen true
menu Tools > Diagnostics
expect frmDiagnostics onscreen true
menu Tools > Memory Maps
expect frmMaps onscreen true
menu Tools > Challenges...
expect frmChallenges onscreen true
menu Systems > Starting
expect frmStarting onscreen true
menu Systems > Instruments
menu Systems > Trip Computer
expect frmInstruments onscreen true
expect frmTripComputer onscreen true
menu File > Login...
click frmLogin.cmdHelp
expect frmLogin height 3000
expect frmLogin onscreen true
menu Tools > Options
menu Tools > User Details
menu Help > Tip Of The Day
menu Help > About
expect frmOptions onscreen true
expect frmUserDetails onscreen true
expect frmTip onscreen true
expect frmAbout onscreen true
menu Help > Help
expect frmHelp onscreen true
menu File > Exit
#! restart
#! screen 1920 1080
expect frmMainscreen frame 0,0,1366,768
#! restart
# Smaller still (1024 x 600): a child window larger than the working area is shrunk to it, one
# that would stand partly below it is moved up, whole.
#! screen 1024 600
expect frmMainscreen frame 0,0,1024,600
menu Tools > MultiScope
expect MultiScope onscreen true
expect MultiScope width 15300
answer file "DATA:Engine speed.msf"
menu File > Open...
dblclick MultiScope.scopescreen
expect frmWaveEdit visible true
expect frmWaveEdit onscreen true
expect frmWaveEdit width 15300
