-- Vehicle systems and their diagnostic routines.
CREATE TABLE "Systems" ("ID" INTEGER PRIMARY KEY, "Systems" TEXT);
INSERT INTO "Systems" VALUES (1, 'Engine management');
CREATE TABLE "Engine management" ("ID" INTEGER PRIMARY KEY, "Symptoms" TEXT, "1" TEXT, "2" TEXT, "3" TEXT, "4" TEXT, "5" TEXT, "6" TEXT, "7" TEXT, "8" TEXT, "9" TEXT, "10" TEXT, "11" TEXT, "12" TEXT, "13" TEXT, "14" TEXT, "15" TEXT, "16" TEXT, "17" TEXT, "18" TEXT, "19" TEXT, "20" TEXT, "21" TEXT, "22" TEXT, "23" TEXT, "24" TEXT, "25" TEXT);
INSERT INTO "Engine management" ("ID", "Symptoms", "1", "2", "3") VALUES (1, 'Engine will not start', 'Check the battery voltage with the engine stopped.', 'Check the cranking speed.', 'Scan for fault codes.');
