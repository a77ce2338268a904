-- ECU lookup maps. Columns "Speed 1" .. "Speed 8" are engine speeds of 800 .. 6400 rev/min.
-- "timing" and "injection" rows run from full load (98 %, first record) down to 0 % load
-- (last record); "Dwell" rows run from 15 V (first) down to 8 V (last).
--
-- timing: degrees before top dead centre. Advance grows with engine speed (less time for
-- the flame to cross the chamber) and shrinks with load (a dense charge burns faster and
-- knocks when over-advanced).
-- Rows: load 98, 84, 70, 56, 42, 28, 14 and 0 %.
CREATE TABLE "timing" ("ID" INTEGER PRIMARY KEY, "Speed 1" REAL, "Speed 2" REAL, "Speed 3" REAL, "Speed 4" REAL, "Speed 5" REAL, "Speed 6" REAL, "Speed 7" REAL, "Speed 8" REAL);
INSERT INTO "timing" VALUES (1, 8, 12, 16, 20, 23, 25, 26, 27);
INSERT INTO "timing" VALUES (2, 9, 14, 18, 22, 25, 27, 28, 29);
INSERT INTO "timing" VALUES (3, 10, 16, 20, 24, 27, 29, 30, 31);
INSERT INTO "timing" VALUES (4, 11, 18, 23, 27, 30, 32, 33, 34);
INSERT INTO "timing" VALUES (5, 12, 20, 25, 29, 32, 34, 35, 36);
INSERT INTO "timing" VALUES (6, 13, 22, 27, 31, 34, 36, 37, 38);
INSERT INTO "timing" VALUES (7, 14, 23, 28, 32, 35, 37, 38, 39);
INSERT INTO "timing" VALUES (8, 15, 24, 29, 33, 36, 38, 39, 40);

-- Dwell: percentage of each ignition cycle the coil is switched on. A lower supply voltage
-- needs longer to build the coil current, and at higher speeds the cycle is shorter, so the
-- percentage rises as the voltage falls and as the speed rises.
-- Rows: 15, 14, 13, 12, 11, 10, 9 and 8 V.
CREATE TABLE "Dwell" ("ID" INTEGER PRIMARY KEY, "Speed 1" REAL, "Speed 2" REAL, "Speed 3" REAL, "Speed 4" REAL, "Speed 5" REAL, "Speed 6" REAL, "Speed 7" REAL, "Speed 8" REAL);
INSERT INTO "Dwell" VALUES (1, 28, 30, 32, 34, 36, 38, 40, 42);
INSERT INTO "Dwell" VALUES (2, 30, 32, 34, 36, 38, 40, 42, 44);
INSERT INTO "Dwell" VALUES (3, 32, 34, 36, 38, 40, 42, 44, 46);
INSERT INTO "Dwell" VALUES (4, 34, 36, 38, 40, 42, 44, 46, 48);
INSERT INTO "Dwell" VALUES (5, 37, 39, 41, 43, 45, 47, 49, 51);
INSERT INTO "Dwell" VALUES (6, 40, 42, 44, 46, 48, 50, 52, 54);
INSERT INTO "Dwell" VALUES (7, 43, 45, 47, 49, 51, 53, 55, 57);
INSERT INTO "Dwell" VALUES (8, 47, 49, 51, 53, 55, 57, 59, 61);

-- injection: base opening time in milliseconds, from about 1.5 ms at idle to 9 ms at full
-- load; the air taken in per stroke, and so the fuel, peaks in the middle of the speed range.
-- Every value stays below 35 ms after the largest corrections the unit applies (supply
-- voltage x 1.7, cold engine x 1.6, lean mixture x 1.1, full throttle x 1.2).
-- Rows: load 98, 84, 70, 56, 42, 28, 14 and 0 %.
CREATE TABLE "injection" ("ID" INTEGER PRIMARY KEY, "Speed 1" REAL, "Speed 2" REAL, "Speed 3" REAL, "Speed 4" REAL, "Speed 5" REAL, "Speed 6" REAL, "Speed 7" REAL, "Speed 8" REAL);
INSERT INTO "injection" VALUES (1, 8.2, 8.6, 8.9, 9, 9, 8.9, 8.8, 8.7);
INSERT INTO "injection" VALUES (2, 7.1, 7.4, 7.7, 7.8, 7.8, 7.7, 7.6, 7.5);
INSERT INTO "injection" VALUES (3, 6, 6.3, 6.5, 6.6, 6.6, 6.5, 6.4, 6.3);
INSERT INTO "injection" VALUES (4, 4.9, 5.1, 5.3, 5.4, 5.4, 5.3, 5.2, 5.1);
INSERT INTO "injection" VALUES (5, 3.9, 4.1, 4.2, 4.3, 4.3, 4.2, 4.1, 4);
INSERT INTO "injection" VALUES (6, 2.9, 3, 3.1, 3.2, 3.2, 3.1, 3, 3);
INSERT INTO "injection" VALUES (7, 2.1, 2.2, 2.3, 2.3, 2.3, 2.3, 2.2, 2.2);
INSERT INTO "injection" VALUES (8, 1.5, 1.6, 1.6, 1.7, 1.7, 1.7, 1.6, 1.6);
