# A damaged settings file is reported once at start-up and replaced by a clean one at exit;
# stored values that are not what they should be (absurd figures too) count as their defaults.
#! sh mkdir -p "$(dirname "$conf")"; printf '\357\273\277[Trip_Computer]\nTrip_Distance=5\n[Instruments]\nmileage=1e308\n' > "$conf"
expect event "The stored settings could not be read, so the default settings are used."
expect TripDistance 0
tick
menu File > Exit
#! restart
expect noevent "could not be read"
file CONFIG:Vantorel/Vantorel.conf
expect event "Elapsed_Time=1"
#! restart
#! sh printf '[Instruments]\nmileage=1e308\n[Trip_Computer]\nTrip_Distance=-inf\nElapsed_Time=12.5\nArrival_Distance=12\n[ZRsettings]\nZRsetting1=abc\nZRsetting6=2\nZRsetting9=0\n' > "$conf"
expect ElapsedTime 12.5
expect ArrivalDistance 12
expect OptionFlags(6) 2
# Option 6 holding 2 is not 1: the status bar is hidden.
expect frmMainscreen.StatusBar1 visible false
tick 2
expect frmInstruments.txtMileage text "00000.0"
expect ElapsedTime 14.5
let MetricUnits -1
click frmTripComputer.cmdSet
set frmTripComputer.txtTripDisplay 1e300
click frmTripComputer.cmdSet
expect message "\"1e300\" is not a distance. Arrival Distance not changed: enter the distance with the number buttons."
expect ArrivalDistance 12
