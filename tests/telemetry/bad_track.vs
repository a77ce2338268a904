# Track files that cannot be read: the track is empty and the car stands without a failure.
#! sh rm -f "$work/data/track.txt"; mkdir "$work/data/track.txt"
menu Tools > Telemetry
expect TrackLength 0
let RoadSpeed 60
telemetry 2
expect Lap 1
#! restart
#! sh rm -rf "$work/data/track.txt" "$work/data/circuit.png"
menu Tools > Telemetry
expect TrackLength 0
expect MultiScope.picCircuit picture ""
telemetry
