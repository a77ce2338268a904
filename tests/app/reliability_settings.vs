# The settings store on a bad day: a damaged file is reported once at start-up and replaced by
# a clean one at exit; a lock that is a folder fails the save within seconds, and the program
# still ends; absurd stored figures count as non-numbers.
#! sh mkdir -p "$(dirname "$conf")"; printf '\357\273\277[Trip_Computer]\nTrip_Distance=5\n[Instruments]\nmileage=1e308\n' > "$conf"
expect event "The stored settings could not be read, so the default settings are used."
expect TripDistance 0
tick
menu File > Exit
expect noevent "could not be written"
#! restart
expect noevent "could not be read"
file CONFIG:Vantorel/Vantorel.conf
expect event "Elapsed_Time=1"
#! restart
#! sh printf '[Instruments]\nmileage=1e308\n[Trip_Computer]\nTrip_Distance=-inf\nElapsed_Time=nan\nArrival_Distance=12\n' > "$conf"
expect Mileage 0
expect TripDistance 0
expect ElapsedTime 0
expect ArrivalDistance 12
tick 2
expect frmInstruments.txtMileage text "00000.0"
expect ElapsedTime 2
# A typed distance beyond what the read-outs show is refused like any other non-number.
let MetricUnits -1
click frmTripComputer.cmdSet
set frmTripComputer.txtTripDisplay 1e300
click frmTripComputer.cmdSet
expect message "\"1e300\" is not a distance. Arrival Distance not changed: enter the distance with the number buttons."
expect ArrivalDistance 12
#! restart
#! sh mkdir -p "$conf.lock"
menu File > Exit
expect event "Error number: 75 - Path/File access error: the settings could not be written"
