# Fuel, distances and the trip computer's figures as its display shows them. (The arithmetic's
# edges on their own: tests/sim.)
menu Systems > Trip Computer

# Reaching exactly 0 litres counts as empty: beep, refill and a message.
let FuelLevel 0.002
let InjectionDuration 2
tick
expect event "event":"beep"
expect FuelLevel 60
let InjectionDuration 0

# Figures for the display modes: one hour, 36 km, 18 km to go, 2 litres used.
let TripDistance 36
let ElapsedTime 3599
let ArrivalDistance 18
let FuelUsed 2
tick
expect AverageSpeed 36
expect TimeToArrival 30
expect AverageEconomy 180

click frmTripComputer.Command1(1)
expect frmTripComputer.Label2(1) fore 128,0,0
tick
expect frmTripComputer.txtTripDisplay text "22.5 miles"
click frmTripComputer.Command1(3)
tick
expect frmTripComputer.txtTripDisplay text "508.5 mpg"
click frmInstruments.cmdConvert
tick
expect frmTripComputer.txtTripDisplay text "180.0 km/ltr"

# Instantaneous economy while moving: (77 - 5) / 4 = 18 km per litre.
let RoadSpeed 50
let InjectionDuration 5
click frmTripComputer.Command1(2)
tick
expect frmTripComputer.txtTripDisplay text "18.0 km/ltr"
click frmInstruments.cmdConvert
tick
expect frmTripComputer.txtTripDisplay text "50.8 mpg"
let InjectionDuration 0
let RoadSpeed 0

# The stopwatch counts only while mode 8 shows, and wraps after 60000.
click frmTripComputer.Command1(8)
tick 3
expect Stopwatch 3
click frmTripComputer.Command1(1)
tick 2
expect Stopwatch 3
click frmTripComputer.Command1(8)
expect StopwatchRunning 0
tick
expect Stopwatch 3
click frmTripComputer.Command1(8)
tick
expect Stopwatch 4
let Stopwatch 59999
tick
expect frmTripComputer.txtTripDisplay text "60000 s"
tick
expect frmTripComputer.txtTripDisplay text "0 s"
