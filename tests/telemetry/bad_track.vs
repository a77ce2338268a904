# Damaged track files: each gives a usable (possibly empty) track, and the car runs or stands
# without a failure.
#! sh printf '10,20\r\n30,40\r\n50\r\n' > "$work/data/track.txt"
menu Tools > Telemetry
expect TrackLength 2
let RoadSpeed 60
telemetry 3
expect noevent "\"event\":\"error\""
#! restart
#! sh printf '10,20\r\nthis is not a track\r\n30,40\r\n' > "$work/data/track.txt"
menu Tools > Telemetry
expect TrackLength 1
let RoadSpeed 60
telemetry 2
expect MultiScope.shpCar left 10
#! restart
#! sh printf -- '-40,900\r\n1e300,-1e300\r\n99999999999999999999,5\r\n' > "$work/data/track.txt"
menu Tools > Telemetry
expect TrackLength 3
expect TrackX(1) 0
expect TrackY(1) 200
expect TrackX(3) 200
let RoadSpeed 20
telemetry 2
expect MultiScope.shpCar left 200
expect MultiScope.shpCar top 0
#! restart
#! sh for i in $(seq 1 900); do printf '%d,%d\r\n' $((i % 200)) 7; done > "$work/data/track.txt"
menu Tools > Telemetry
expect TrackLength 750
expect TrackX(750) 150
let TrackPosition 749
let RoadSpeed 100
telemetry
expect TrackPosition 754
expect MultiScope.shpCar left 150
telemetry
expect TrackPosition 6
expect Lap 2
#! restart
#! sh head -c 10000000 /dev/zero | tr '\0' '7' > "$work/data/track.txt"
menu Tools > Telemetry
expect TrackLength 0
let RoadSpeed 60
telemetry 2
expect noevent "\"event\":\"error\""
#! restart
#! sh rm -f "$work/data/track.txt"; mkdir "$work/data/track.txt"
menu Tools > Telemetry
expect TrackLength 0
let RoadSpeed 60
telemetry 2
expect Lap 1
expect noevent "\"event\":\"error\""
#! restart
#! sh rm -rf "$work/data/track.txt" "$work/data/circuit.png"
menu Tools > Telemetry
expect TrackLength 0
expect MultiScope.picCircuit picture ""
telemetry
expect noevent "\"event\":\"error\""
