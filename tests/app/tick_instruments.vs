# The main tick's instrument read-outs and warning lights.
menu Systems > Instruments
let RoadSpeed 100
let EngineTemperature 90
tick
expect frmInstruments.txbSpeed text "62 mph"
expect frmInstruments.txbTemp text "194.0 F"
expect frmInstruments.txbFuel text "13.2 gal"
let RoadSpeed -3
tick
expect frmInstruments.txbSpeed text "-2 mph"
click frmInstruments.cmdConvert
tick
expect frmInstruments.txbSpeed text "-3 km/h"
expect frmInstruments.txbTemp text "90 C"
expect frmInstruments.txbFuel text "60.0 ltr"
let Mileage 123.45
click frmInstruments.cmdConvert
tick
expect frmInstruments.txtMileage text "00077.2"

# Rev counter colour: red above 6490, green below, unchanged at exactly 6490.
let EngineSpeed 6491
tick
expect frmInstruments.txbRev fore 255,0,0
let EngineSpeed 6490
tick
expect frmInstruments.txbRev fore 255,0,0
let EngineSpeed 6489
tick
expect frmInstruments.txbRev fore 0,255,0
let EngineSpeed 6490
tick
expect frmInstruments.txbRev fore 0,255,0

# Charge light: below 500 rev/min the voltage slider goes to 12 and the light shows.
let EngineSpeed 499
set FRMsimulation.HSB_system_voltage 14
expect SystemVoltage 14
tick
expect frmInstruments.lblChargeWL visible true
expect FRMsimulation.HSB_system_voltage value 12
expect SystemVoltage 12
# A slider already at 12 leaves the voltage alone: 14 V puts the light out, and exactly
# 13 V keeps its state either way.
let SystemVoltage 14
tick
expect SystemVoltage 14
expect frmInstruments.lblChargeWL visible false
let EngineSpeed 500
let SystemVoltage 13
tick
expect frmInstruments.lblChargeWL visible false
let SystemVoltage 12
tick
expect frmInstruments.lblChargeWL visible true
let SystemVoltage 13
tick
expect frmInstruments.lblChargeWL visible true

# Oil light: out above 100 rev/min (it is now), on below, unchanged at exactly 100.
expect frmInstruments.lblOilWL visible false
let EngineSpeed 100
tick
expect frmInstruments.lblOilWL visible false
let EngineSpeed 99
tick
expect frmInstruments.lblOilWL visible true
let EngineSpeed 100
tick
expect frmInstruments.lblOilWL visible true
let EngineSpeed 101
tick
expect frmInstruments.lblOilWL visible false

# Flags are true only at -1: a flag holding 1 leaves the read-outs imperial.
let MetricUnits 1
let RoadSpeed 100
tick
expect frmInstruments.txbSpeed text "62 mph"
