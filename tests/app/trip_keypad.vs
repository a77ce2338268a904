# Entering the arrival distance with the trip computer's buttons.
menu Systems > Trip Computer
# Imperial: 120 miles are stored as 192 km.
click frmTripComputer.cmdSet
expect message "Set Arrival Distance using the Trip computer buttons...\r\n\r...then click Set Distance again."
expect SettingArrival -1
click frmTripComputer.Command1(1)
click frmTripComputer.Command1(2)
click frmTripComputer.Command1(0)
expect frmTripComputer.txtTripDisplay text "120"
# The tick leaves the display and the engine alone while the distance is typed.
tick
expect frmTripComputer.txtTripDisplay text "120"
click frmTripComputer.cmdSet
expect message "Arrival Distance set to: 120 miles"
expect SettingArrival 0
expect ArrivalDistance 192
click frmTripComputer.cmdSet
set frmTripComputer.txtTripDisplay 12x
click frmTripComputer.cmdSet
expect message "\"12x\" is not a distance. Arrival Distance not changed: enter the distance with the number buttons."
expect ArrivalDistance 192
expect SettingArrival 0
let Mileage 500
let TripDistance 10
let FuelUsed 3
let Stopwatch 9
let ElapsedTime 100
click frmTripComputer.cmdReset
expect message "'Elapsed Time', 'Trip Distance', 'Stop Watch' and 'Fuel Used' reset..."
expect ElapsedTime 0
expect TripDistance 0
expect Stopwatch 0
expect Mileage 500
expect ArrivalDistance 192
