-- Vehicle systems and their diagnostic routines.
-- "Systems" lists the systems in the order the diagnostics window steps through them; each
-- system's name is also the name of its routines table. In a routines table, "Symptoms" is
-- the complaint, the odd fields "1", "3", ... "23" are the main tests in the order they are
-- carried out, each even field is what to do when the test before it is not OK, and field
-- "25" is a closing note shown on screen only.
CREATE TABLE "Systems" ("ID" INTEGER PRIMARY KEY, "Systems" TEXT);
INSERT INTO "Systems" VALUES (1, 'Auxiliaries');
INSERT INTO "Systems" VALUES (2, 'Charging system');
INSERT INTO "Systems" VALUES (3, 'Starting system');
INSERT INTO "Systems" VALUES (4, 'Engine management');
INSERT INTO "Systems" VALUES (5, 'Ignition system');
INSERT INTO "Systems" VALUES (6, 'Fuel system');

CREATE TABLE "Auxiliaries" ("ID" INTEGER PRIMARY KEY, "Symptoms" TEXT, "1" TEXT, "2" TEXT, "3" TEXT, "4" TEXT, "5" TEXT, "6" TEXT, "7" TEXT, "8" TEXT, "9" TEXT, "10" TEXT, "11" TEXT, "12" TEXT, "13" TEXT, "14" TEXT, "15" TEXT, "16" TEXT, "17" TEXT, "18" TEXT, "19" TEXT, "20" TEXT, "21" TEXT, "22" TEXT, "23" TEXT, "24" TEXT, "25" TEXT);
INSERT INTO "Auxiliaries" ("ID", "Symptoms", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10") VALUES (1, 'Headlamps do not light',
  'Check the headlamp fuse for continuity.', 'Replace the fuse; if it blows again, look for a short circuit to earth in the lamp feed.',
  'Check for battery voltage at the lamp connector with the lamps switched on.', 'Test the lighting switch and relay; repair the feed wiring.',
  'Check the voltage drop on the earth side of the lamp (less than 0.3 V).', 'Clean and tighten the earth point; repair the earth lead.',
  'Check both bulb filaments.', 'Replace the bulb.',
  'Check the beam setting with the lamps working.', 'Adjust the headlamp aim.');
INSERT INTO "Auxiliaries" ("ID", "Symptoms", "1", "2", "3", "4", "5", "6", "7", "8") VALUES (2, 'Direction indicators flash too fast',
  'Check every indicator bulb on the side that flashes fast.', 'Replace the failed bulb; a missing load makes the flasher run fast.',
  'Check that the bulb wattage matches the vehicle data.', 'Fit bulbs of the correct wattage.',
  'Check the voltage drop on each lamp earth.', 'Clean and tighten the lamp earths.',
  'Check the flasher unit with a known good unit.', 'Replace the flasher unit.');
INSERT INTO "Auxiliaries" ("ID", "Symptoms", "1", "2", "3", "4", "5", "6", "7", "8") VALUES (3, 'Horn does not sound',
  'Check the horn fuse.', 'Replace the fuse and look for the cause of the overload.',
  'Check for battery voltage at the horn while the button is pressed.', 'Test the horn relay, the button and the steering-column contact.',
  'Check the horn earth.', 'Clean and tighten the horn mounting and earth lead.',
  'Connect the horn directly to the battery.', 'Replace the horn.');

CREATE TABLE "Charging system" ("ID" INTEGER PRIMARY KEY, "Symptoms" TEXT, "1" TEXT, "2" TEXT, "3" TEXT, "4" TEXT, "5" TEXT, "6" TEXT, "7" TEXT, "8" TEXT, "9" TEXT, "10" TEXT, "11" TEXT, "12" TEXT, "13" TEXT, "14" TEXT, "15" TEXT, "16" TEXT, "17" TEXT, "18" TEXT, "19" TEXT, "20" TEXT, "21" TEXT, "22" TEXT, "23" TEXT, "24" TEXT, "25" TEXT);
INSERT INTO "Charging system" VALUES (1, 'Charge warning light stays on with the engine running',
  'Check the drive belt tension and condition.', 'Adjust or replace the drive belt.',
  'Measure the battery voltage with the engine stopped (12.4 V or more).', 'Recharge the battery and test it under load; replace it if it fails.',
  'Measure the battery voltage at 3000 rev/min (13.8 to 14.6 V).', 'Go on with the tests below to find why the alternator does not charge.',
  'Check the alternator output terminal for battery voltage with the engine stopped.', 'Repair the main output lead or its fusible link.',
  'Check the warning-light wire at the alternator: battery voltage with the ignition on and the engine stopped.', 'Check the warning-light bulb and its wiring.',
  'Check the voltage drop on the positive side while charging (less than 0.5 V).', 'Clean and tighten the output connections.',
  'Check the voltage drop on the earth side while charging (less than 0.25 V).', 'Clean and tighten the alternator and engine earth straps.',
  'Check the regulator with the alternator field energised directly.', 'Replace the voltage regulator.',
  'Check the diodes: ripple on the output less than 0.5 V peak to peak.', 'Replace the rectifier pack.',
  'Check the slip rings and brushes for wear.', 'Renew the brushes; skim or replace the slip rings.',
  'Check the rotor winding resistance against the manufacturer''s figures.', 'Replace the rotor or the alternator.',
  'Check the stator windings for shorts to earth.', 'Replace the stator or the alternator.',
  'After any repair, repeat the output test at 3000 rev/min with the main loads switched on.');
INSERT INTO "Charging system" ("ID", "Symptoms", "1", "2", "3", "4", "5", "6") VALUES (2, 'Battery overcharged, electrolyte loss',
  'Measure the charging voltage at 3000 rev/min (no more than 14.6 V).', 'Replace the voltage regulator.',
  'Check the regulator sensing wire for a high resistance.', 'Repair the sensing wire.',
  'Check the battery case temperature after a run.', 'Replace the battery if a cell is shorted.');

CREATE TABLE "Starting system" ("ID" INTEGER PRIMARY KEY, "Symptoms" TEXT, "1" TEXT, "2" TEXT, "3" TEXT, "4" TEXT, "5" TEXT, "6" TEXT, "7" TEXT, "8" TEXT, "9" TEXT, "10" TEXT, "11" TEXT, "12" TEXT, "13" TEXT, "14" TEXT, "15" TEXT, "16" TEXT, "17" TEXT, "18" TEXT, "19" TEXT, "20" TEXT, "21" TEXT, "22" TEXT, "23" TEXT, "24" TEXT, "25" TEXT);
INSERT INTO "Starting system" ("ID", "Symptoms", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12") VALUES (1, 'Engine does not crank',
  'Measure the battery voltage (12.4 V or more).', 'Recharge or replace the battery.',
  'Measure the battery voltage while cranking (9.6 V or more).', 'Test the battery under load; replace it if it fails.',
  'Check for battery voltage at the solenoid switch terminal with the key at start.', 'Test the ignition switch, the inhibitor switch and the starter relay.',
  'Check the voltage drop on the main positive cable while cranking (less than 0.5 V).', 'Clean and tighten the terminals; replace the cable.',
  'Check the voltage drop on the earth side while cranking (less than 0.25 V).', 'Clean and tighten the earth strap connections.',
  'Check the solenoid contacts: voltage drop across them while cranking.', 'Replace the solenoid or the starter motor.');
INSERT INTO "Starting system" ("ID", "Symptoms", "1", "2", "3", "4", "5", "6") VALUES (2, 'Engine cranks slowly',
  'Measure the battery voltage while cranking (9.6 V or more).', 'Recharge or replace the battery.',
  'Measure the starter current draw against the manufacturer''s figures.', 'Overhaul or replace the starter motor; check the engine for tightness.',
  'Check the voltage drops on the positive and earth cables while cranking.', 'Clean, tighten or replace the cables.');

CREATE TABLE "Engine management" ("ID" INTEGER PRIMARY KEY, "Symptoms" TEXT, "1" TEXT, "2" TEXT, "3" TEXT, "4" TEXT, "5" TEXT, "6" TEXT, "7" TEXT, "8" TEXT, "9" TEXT, "10" TEXT, "11" TEXT, "12" TEXT, "13" TEXT, "14" TEXT, "15" TEXT, "16" TEXT, "17" TEXT, "18" TEXT, "19" TEXT, "20" TEXT, "21" TEXT, "22" TEXT, "23" TEXT, "24" TEXT, "25" TEXT);
INSERT INTO "Engine management" ("ID", "Symptoms", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12") VALUES (1, 'Engine will not start',
  'Scan the ECU for stored fault codes.', 'Repair the faults the codes point to, then clear the codes.',
  'Check the battery voltage with the engine stopped.', 'Recharge or replace the battery.',
  'Check the cranking speed (100 rev/min or more).', 'Carry out the starting system routine.',
  'Check the engine speed sensor signal while cranking.', 'Check the sensor air gap and wiring; replace the sensor.',
  'Check for a spark at the plugs while cranking.', 'Carry out the ignition system routine.',
  'Check the injector pulses while cranking.', 'Check the injector supply, the ECU supplies and earths.');
INSERT INTO "Engine management" ("ID", "Symptoms", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10") VALUES (2, 'Engine runs but the check engine light is on',
  'Scan the ECU for stored fault codes.', 'If there are no codes, check the warning-light circuit.',
  'Check the sensor named by the code: its supply voltage.', 'Repair the sensor supply wiring.',
  'Check the sensor signal against the manufacturer''s figures with the engine running.', 'Replace the sensor.',
  'Check the wiring between the sensor and the ECU for continuity.', 'Repair the wiring.',
  'Clear the codes and road test.', 'If the code returns, check the ECU supplies and earths.');
INSERT INTO "Engine management" ("ID", "Symptoms", "1", "2", "3", "4", "5", "6", "7", "8") VALUES (3, 'High fuel consumption, black smoke',
  'Check the coolant temperature sensor reading against the engine temperature.', 'Replace the coolant temperature sensor; a cold reading makes the ECU enrich.',
  'Check the lambda sensor: it switches between rich and lean at 800 rev/min and above.', 'Replace the lambda sensor.',
  'Check the injector duration at idle against the manufacturer''s figures.', 'Check the load sensor and the injectors for leaks.',
  'Check the exhaust gases with the gas analyser.', 'Correct the mixture fault found.');

CREATE TABLE "Ignition system" ("ID" INTEGER PRIMARY KEY, "Symptoms" TEXT, "1" TEXT, "2" TEXT, "3" TEXT, "4" TEXT, "5" TEXT, "6" TEXT, "7" TEXT, "8" TEXT, "9" TEXT, "10" TEXT, "11" TEXT, "12" TEXT, "13" TEXT, "14" TEXT, "15" TEXT, "16" TEXT, "17" TEXT, "18" TEXT, "19" TEXT, "20" TEXT, "21" TEXT, "22" TEXT, "23" TEXT, "24" TEXT, "25" TEXT);
INSERT INTO "Ignition system" ("ID", "Symptoms", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10") VALUES (1, 'No spark',
  'Check for battery voltage at the coil positive terminal with the ignition on.', 'Check the ignition switch and the coil feed wiring.',
  'Check the coil primary switching with the scope while cranking.', 'Check the engine speed sensor and the ECU ignition output.',
  'Check the coil primary and secondary resistances.', 'Replace the coil.',
  'Check the HT leads for resistance and tracking.', 'Replace the HT leads.',
  'Check the spark plugs and their gaps.', 'Clean and set or replace the plugs.');
INSERT INTO "Ignition system" ("ID", "Symptoms", "1", "2", "3", "4", "5", "6") VALUES (2, 'Engine pinks under load',
  'Check the ignition timing against the map with the engine warm.', 'Check the load sensor signal and the timing map.',
  'Check the knock sensor signal with the scope while tapping the block.', 'Check the knock sensor torque and wiring; replace the sensor.',
  'Check the fuel grade against the manufacturer''s figures.', 'Use the recommended fuel.');

CREATE TABLE "Fuel system" ("ID" INTEGER PRIMARY KEY, "Symptoms" TEXT, "1" TEXT, "2" TEXT, "3" TEXT, "4" TEXT, "5" TEXT, "6" TEXT, "7" TEXT, "8" TEXT, "9" TEXT, "10" TEXT, "11" TEXT, "12" TEXT, "13" TEXT, "14" TEXT, "15" TEXT, "16" TEXT, "17" TEXT, "18" TEXT, "19" TEXT, "20" TEXT, "21" TEXT, "22" TEXT, "23" TEXT, "24" TEXT, "25" TEXT);
INSERT INTO "Fuel system" ("ID", "Symptoms", "1", "2", "3", "4", "5", "6", "7", "8") VALUES (1, 'Engine cranks but does not fire, no fuel',
  'Listen for the fuel pump running for two seconds when the ignition is switched on.', 'Check the pump fuse, the pump relay and the pump supply.',
  'Measure the fuel pressure against the manufacturer''s figures.', 'Check the fuel filter and the pressure regulator; test the pump delivery.',
  'Check the injector pulses with a test lamp or the scope.', 'Check the injector supply and the ECU injector outputs.',
  'Check the injector resistance.', 'Replace the injector.');
INSERT INTO "Fuel system" ("ID", "Symptoms", "1", "2", "3", "4") VALUES (2, 'Hesitation when accelerating',
  'Measure the fuel pressure while the engine is accelerated.', 'Replace the fuel filter; test the pump delivery volume.',
  'Check the throttle and load sensor signals for a smooth sweep.', 'Replace the sensor that shows a flat spot.');
