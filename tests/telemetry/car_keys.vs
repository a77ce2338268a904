# The car on a 100-point track: the lap sequence at 60 km/h, standing at 0 km/h or below,
# Home, and the Page Up/Down limits on the circuit and on the telemetry view.
#! sh for i in $(seq 1 100); do printf '%d,%d\r\n' $i $((i + 50)); done > "$work/data/track.txt"
menu Tools > Telemetry
expect TrackLength 100
let RoadSpeed 60
let TrackPosition 94
telemetry
expect TrackPosition 97
expect MultiScope.shpCar top 147
telemetry
expect TrackPosition 100
expect Lap 1
telemetry
expect TrackPosition 4
expect MultiScope.lblCircuit text "Lap: 2"
expect MultiScope.shpCar left 4
# Past the last point the car stands on it until the next tick's lap test.
let TrackPosition 99
telemetry
expect TrackPosition 102
expect MultiScope.shpCar left 100
telemetry
expect TrackPosition 4
expect Lap 3

let TrackPosition 100
let RoadSpeed 0
telemetry 2
let RoadSpeed -20
telemetry
expect TrackPosition 100
expect Lap 3
key MultiScope.picCircuit Home
expect Lap 1
expect TrackPosition 1

# Page Up/Down: on the circuit only while the engine runs; on the view always; 800..7000.
let EngineSpeed 6950
key MultiScope.picCircuit PageUp
expect EngineSpeed 6950
key MultiScope.picTelemetry PageUp
expect EngineSpeed 7000
key MultiScope.Picture1(2) PageUp
expect EngineSpeed 7000
let EngineSpeed 850
key MultiScope.Picture1(3) PageDown
expect EngineSpeed 800
key MultiScope.picTelemetry PageDown
expect EngineSpeed 800
let EngineRunning -1
let EngineSpeed 6950
key MultiScope.picCircuit PageUp
expect EngineSpeed 7000
let EngineSpeed 850
key MultiScope.picCircuit PageDown
key MultiScope.picCircuit PageDown
expect EngineSpeed 800
