# Each window opens where the user left it at the next start: a sizable one at its place and
# size, one of fixed size at its place and its own size, a dialog at its place, the main window
# maximised when left so; kept as a window is closed or as the program ends. What the program
# does itself is not kept, and a place that cannot be read is ignored.
#! screen 1366 768
#! setting Windows frmUserDetails_geometry 1,2,three,4
#! setting Main_Window Maximized 1
# The main window, left maximised, opens so and is kept so.
show frmMainscreen
expect event "\"frame\":[0,0,1366,768]"
menu Tools > Diagnostics
resize frmDiagnostics 700 450
move frmDiagnostics 40 30
menu File > Close
menu Systems > Set Faults...
move frmFaults 500 200
menu Tools > Options
move frmOptions 300 120
click frmOptions.cmdOK
# Opened and not moved: nothing kept for it.
menu Tools > User Details
mark
menu File > Exit
file CONFIG:Vantorel/Vantorel.conf
expect event frmDiagnostics_geometry=600,450,10500,6750
file CONFIG:Vantorel/Vantorel.conf
expect event frmFaults_geometry=7500,3000,
file CONFIG:Vantorel/Vantorel.conf
expect event frmOptions_geometry=4500,1800,
# The damaged place is left as it was: the window was not moved.
file CONFIG:Vantorel/Vantorel.conf
expect event frmUserDetails_geometry=1,2,three,4
file CONFIG:Vantorel/Vantorel.conf
expect event Maximized=1
#! restart
show frmMainscreen
expect event "\"frame\":[0,0,1366,768]"
menu Tools > Diagnostics
expect frmDiagnostics left 600
expect frmDiagnostics top 450
expect frmDiagnostics width 10500
expect frmDiagnostics height 6750
menu Systems > Set Faults...
expect frmFaults left 7500
expect frmFaults top 3000
menu Tools > Options
show frmOptions
expect event "\"frame\":[300,120,"
# The damaged place of the user details: the window opens at its own.
menu Tools > User Details
expect frmUserDetails onscreen true
