-- ECU lookup maps: columns are engine speed 800..6400 rev/min.
-- timing and injection rows: load 98 % (first) down to 0 % (last); Dwell rows: 15 V down to 8 V.
CREATE TABLE "timing" ("ID" INTEGER PRIMARY KEY, "Speed 1" REAL, "Speed 2" REAL, "Speed 3" REAL, "Speed 4" REAL, "Speed 5" REAL, "Speed 6" REAL, "Speed 7" REAL, "Speed 8" REAL);
INSERT INTO "timing" VALUES (1, 8, 11, 14, 17, 20, 23, 26, 29);
INSERT INTO "timing" VALUES (2, 9, 12, 15, 18, 21, 24, 27, 30);
INSERT INTO "timing" VALUES (3, 10, 13, 16, 19, 22, 25, 28, 31);
INSERT INTO "timing" VALUES (4, 11, 14, 17, 20, 23, 26, 29, 32);
INSERT INTO "timing" VALUES (5, 12, 15, 18, 21, 24, 27, 30, 33);
INSERT INTO "timing" VALUES (6, 13, 16, 19, 22, 25, 28, 31, 34);
INSERT INTO "timing" VALUES (7, 14, 17, 20, 23, 26, 29, 32, 35);
INSERT INTO "timing" VALUES (8, 15, 18, 21, 24, 27, 30, 33, 36);

CREATE TABLE "Dwell" ("ID" INTEGER PRIMARY KEY, "Speed 1" REAL, "Speed 2" REAL, "Speed 3" REAL, "Speed 4" REAL, "Speed 5" REAL, "Speed 6" REAL, "Speed 7" REAL, "Speed 8" REAL);
INSERT INTO "Dwell" VALUES (1, 30, 31, 32, 33, 34, 35, 36, 37);
INSERT INTO "Dwell" VALUES (2, 33, 34, 35, 36, 37, 38, 39, 40);
INSERT INTO "Dwell" VALUES (3, 36, 37, 38, 39, 40, 41, 42, 43);
INSERT INTO "Dwell" VALUES (4, 39, 40, 41, 42, 43, 44, 45, 46);
INSERT INTO "Dwell" VALUES (5, 42, 43, 44, 45, 46, 47, 48, 49);
INSERT INTO "Dwell" VALUES (6, 45, 46, 47, 48, 49, 50, 51, 52);
INSERT INTO "Dwell" VALUES (7, 48, 49, 50, 51, 52, 53, 54, 55);
INSERT INTO "Dwell" VALUES (8, 51, 52, 53, 54, 55, 56, 57, 58);

CREATE TABLE "injection" ("ID" INTEGER PRIMARY KEY, "Speed 1" REAL, "Speed 2" REAL, "Speed 3" REAL, "Speed 4" REAL, "Speed 5" REAL, "Speed 6" REAL, "Speed 7" REAL, "Speed 8" REAL);
INSERT INTO "injection" VALUES (1, 8.5, 8.55, 8.6, 8.65, 8.7, 8.75, 8.8, 8.85);
INSERT INTO "injection" VALUES (2, 7.5, 7.55, 7.6, 7.65, 7.7, 7.75, 7.8, 7.85);
INSERT INTO "injection" VALUES (3, 6.5, 6.55, 6.6, 6.65, 6.7, 6.75, 6.8, 6.85);
INSERT INTO "injection" VALUES (4, 5.5, 5.55, 5.6, 5.65, 5.7, 5.75, 5.8, 5.85);
INSERT INTO "injection" VALUES (5, 4.5, 4.55, 4.6, 4.65, 4.7, 4.75, 4.8, 4.85);
INSERT INTO "injection" VALUES (6, 3.5, 3.55, 3.6, 3.65, 3.7, 3.75, 3.8, 3.85);
INSERT INTO "injection" VALUES (7, 2.5, 2.55, 2.6, 2.65, 2.7, 2.75, 2.8, 2.85);
INSERT INTO "injection" VALUES (8, 1.5, 1.55, 1.6, 1.65, 1.7, 1.75, 1.8, 1.85);
