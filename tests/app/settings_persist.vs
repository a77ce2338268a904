# Stored trip figures are read as numbers, kept as text until changed, and written back at exit.
#! setting ZRsettings ZRsetting9 0
#! setting Trip_Computer Trip_Distance 123.4
#! setting Trip_Computer Arrival_Distance 55
#! setting Trip_Computer Elapsed_Time 7
#! setting Instruments mileage 1000.5
expect TripDistance 123.4
expect ArrivalDistance 55
expect ElapsedTime 7
expect Mileage 1000.5
let RoadSpeed 36
tick
expect TripDistance 123.41
expect Mileage 1000.51
expect ArrivalDistance 54.99
menu File > Exit
#! restart
expect TripDistance 123.41
expect ArrivalDistance 54.99
expect ElapsedTime 8
expect Mileage 1000.51
# The frame's close box saves exactly like File > Exit.
let Mileage 2000
close frmMainscreen
#! restart
expect Mileage 2000
