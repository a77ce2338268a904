# The maps window opens on the timing map as bars, reads each grid through its current cell
# (which ends on the last cell) and keeps the map when the style changes.
#! setting ZRsettings ZRsetting0 1
let LoggedIn -1
applyoptions
set FRMsimulation.DBtiminggrid(2,5) 44.5
set FRMsimulation.DBdwellgrid(6,1) 63
set FRMsimulation.DBinjectiongrid(0,0) 2.25
set FRMsimulation.DBinjectiongrid(4,4) 9
menu Tools > Memory Maps
expect frmMaps.Option1(0) checked true
expect frmMaps.cmbDataSelect text "Timing Map"
expect frmMaps.MSChart1 charttype 0
expect frmMaps.MSChart1(3,6) value 44.5
expect frmMaps.MSChart1 columntitle "Engine Speed"
expect frmMaps.MSChart1 rowtitle "Engine Load or System Voltage"
expect FRMsimulation.DBtiminggrid(7,7) current true
# Offscreen there is no OpenGL: the chart's place holds a notice, and no 3D graph is made.
expect frmMaps.MSChart1 drawn false

# Dwell map, then "Stepped Blocks": the dwell values drawn as steps, the map still chosen.
pick frmMaps.cmbDataSelect "Dwell Map"
expect frmMaps.MSChart1(7,2) value 63
expect FRMsimulation.DBdwellgrid(7,7) current true
expect FRMsimulation.DBinjectiongrid(7,7) current false
click frmMaps.Option1(3)
expect frmMaps.cmbDataSelect text "Dwell Map"
expect frmMaps.MSChart1 charttype 6
expect frmMaps.MSChart1 chartname "3D Step"
expect frmMaps.MSChart1(7,2) value 63
expect frmMaps.MSChart1 valuetitle "Dwell %"

# A cell that is not a number leaves its data point as the last redraw left it; the others
# are read. The window follows edits at its next redraw only.
pick frmMaps.cmbDataSelect "Injection Map"
expect frmMaps.MSChart1(1,1) value 2.25
set FRMsimulation.DBinjectiongrid(0,0) x
set FRMsimulation.DBinjectiongrid(4,4) 11
expect frmMaps.MSChart1(5,5) value 9
click frmMaps.Option1(1)
expect frmMaps.MSChart1 charttype 2
expect frmMaps.MSChart1(1,1) value 2.25
expect frmMaps.MSChart1(5,5) value 11
expect FRMsimulation.DBinjectiongrid(7,7) current true

# Close All unloads it: opened again, it is back on the timing map as bars.
menu File > Close All
menu Tools > Memory Maps
expect frmMaps.MSChart1 charttype 0
expect frmMaps.cmbDataSelect text "Timing Map"
expect frmMaps.MSChart1(3,6) value 44.5
