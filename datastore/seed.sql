-- Code table (KODOK) and forestry unit (ERDESZET) of a new Zelkor database.
-- Run after the schema: scripts/create-db.sh PATH datastore/seed.sql
-- The empty code comes first with its fixed code 11001; every later row leaves
-- KKOD to the trigger, so the groups get 11002, 11003, ... in this order.
-- KSOR is zero-padded so that text order equals rank order in the pickers.

INSERT INTO KODOK (KKOD, KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD)
  VALUES ('11001', 'Üres, ne szerepeljen adat', '', 'Üres', '', '', '0', '0', '1');

-- HELY: Helység
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Bak', 'Bak', 'Helység', 'Zalaegerszegi járás', 'HELY', '1', '001', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Bázakerettye', 'Bázakerettye', 'Helység', 'Letenyei járás', 'HELY', '1', '002', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Csesztreg', 'Csesztreg', 'Helység', 'Lenti járás', 'HELY', '1', '003', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Gősfa', 'Gősfa', 'Helység', 'Zalaegerszegi járás', 'HELY', '1', '004', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Gyenesdiás', 'Gyenesdiás', 'Helység', 'Keszthelyi járás', 'HELY', '1', '005', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Hévíz', 'Hévíz', 'Helység', 'Keszthelyi járás', 'HELY', '1', '006', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Keszthely', 'Keszthely', 'Helység', 'Keszthelyi járás', 'HELY', '1', '007', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Lenti', 'Lenti', 'Helység', 'Lenti járás', 'HELY', '1', '008', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Letenye', 'Letenye', 'Helység', 'Letenyei járás', 'HELY', '1', '009', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Nagykanizsa', 'Nagykanizsa', 'Helység', 'Nagykanizsai járás', 'HELY', '1', '010', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Pölöske', 'Pölöske', 'Helység', 'Zalaegerszegi járás', 'HELY', '1', '011', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Söjtör', 'Söjtör', 'Helység', 'Zalaegerszegi járás', 'HELY', '1', '012', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Türje', 'Türje', 'Helység', 'Zalaszentgróti járás', 'HELY', '1', '013', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Újudvar', 'Újudvar', 'Helység', 'Nagykanizsai járás', 'HELY', '1', '014', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Zalaegerszeg', 'Zalaegerszeg', 'Helység', 'Zalaegerszegi járás', 'HELY', '1', '015', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Zalalövő', 'Zalalövő', 'Helység', 'Zalaegerszegi járás', 'HELY', '1', '016', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Zalaszentgrót', 'Zalaszentgrót', 'Helység', 'Zalaszentgróti járás', 'HELY', '1', '017', '1');

-- ILL: Illetékes
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Zalaegerszegi Erdészeti Igazgatóság', 'ZEI', 'Illetékes', '', 'ILL', '2', '001', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Szombathelyi Erdészeti Igazgatóság', 'SZEI', 'Illetékes', '', 'ILL', '2', '002', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Kaposvári Erdészeti Igazgatóság', 'KEI', 'Illetékes', '', 'ILL', '2', '003', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Zala Megyei Kormányhivatal Erdészeti Osztály', 'ZMKH', 'Illetékes', '', 'ILL', '2', '004', '1');

-- KORZET: Körzet
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Csesztregi erdészkerület', '1', 'Körzet', '', 'KORZET', '3', '001', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Lenti erdészkerület', '2', 'Körzet', '', 'KORZET', '3', '002', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Gősfai erdészkerület', '3', 'Körzet', '', 'KORZET', '3', '003', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Zalaszentgróti erdészkerület', '4', 'Körzet', '', 'KORZET', '3', '004', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Keszthelyi erdészkerület', '5', 'Körzet', '', 'KORZET', '3', '005', '1');

-- GAZD: Gazdálkodó
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Zalaerdő Zrt.', 'ZAE', 'Gazdálkodó', '', 'GAZD', '4', '001', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Göcseji Erdőbirtokossági Társulat', 'GÖCS', 'Gazdálkodó', '', 'GAZD', '4', '002', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Kerkavölgyi Erdőgazdálkodási Kft.', 'KERKA', 'Gazdálkodó', '', 'GAZD', '4', '003', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Szentgróti Erdőbirtokossági Társulat', 'SZGR', 'Gazdálkodó', '', 'GAZD', '4', '004', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Hegyháti Erdészeti Szövetkezet', 'HEGYH', 'Gazdálkodó', '', 'GAZD', '4', '005', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Zalaegerszeg Megyei Jogú Város Önkormányzata', 'ZEGÖNK', 'Gazdálkodó', '', 'GAZD', '4', '006', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Csesztreg Község Önkormányzata', 'CSÖNK', 'Gazdálkodó', '', 'GAZD', '4', '007', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Magán erdőgazdálkodó (egyéni)', 'MAG', 'Gazdálkodó', '', 'GAZD', '4', '008', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Nincs bejegyzett erdőgazdálkodó', 'NINCS', 'Gazdálkodó', '', 'GAZD', '4', '009', '1');

-- TUL: Tulajdonforma
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Állami tulajdon', 'ÁLL', 'Tulajdonforma', '', 'TUL', '5', '001', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Önkormányzati tulajdon', 'ÖNK', 'Tulajdonforma', '', 'TUL', '5', '002', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Magántulajdon', 'MAG', 'Tulajdonforma', '', 'TUL', '5', '003', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Osztatlan közös tulajdon', 'KÖZ', 'Tulajdonforma', '', 'TUL', '5', '004', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Vegyes tulajdon', 'VEGY', 'Tulajdonforma', '', 'TUL', '5', '005', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Egyházi tulajdon', 'EGYH', 'Tulajdonforma', '', 'TUL', '5', '006', '1');

-- FATIP: Faállomány típusa
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Bükkös', 'B', 'Faállomány típusa', '', 'FATIP', '6', '001', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Gyertyános-bükkös', 'GYB', 'Faállomány típusa', '', 'FATIP', '6', '002', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Gyertyános-kocsánytalan tölgyes', 'GYKST', 'Faállomány típusa', '', 'FATIP', '6', '003', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Gyertyános-kocsányos tölgyes', 'GYKTT', 'Faállomány típusa', '', 'FATIP', '6', '004', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Kocsánytalan tölgyes', 'KST', 'Faállomány típusa', '', 'FATIP', '6', '005', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Cseres', 'CS', 'Faállomány típusa', '', 'FATIP', '6', '006', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Cseres-kocsánytalan tölgyes', 'CSKST', 'Faállomány típusa', '', 'FATIP', '6', '007', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Akácos', 'A', 'Faállomány típusa', '', 'FATIP', '6', '008', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Erdeifenyves', 'EF', 'Faállomány típusa', '', 'FATIP', '6', '009', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Lucos', 'LF', 'Faállomány típusa', '', 'FATIP', '6', '010', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Nemesnyáras', 'NNY', 'Faállomány típusa', '', 'FATIP', '6', '011', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Égeres', 'ME', 'Faállomány típusa', '', 'FATIP', '6', '012', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Egyéb keménylombos', 'EKL', 'Faállomány típusa', '', 'FATIP', '6', '013', '1');

-- KELE: Keletkezés
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Természetes úton (magról)', 'TERM', 'Keletkezés', '', 'KELE', '7', '001', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Sarjról', 'SARJ', 'Keletkezés', '', 'KELE', '7', '002', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Mesterségesen (ültetés, vetés)', 'MEST', 'Keletkezés', '', 'KELE', '7', '003', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Vegyesen (természetes és mesterséges)', 'VEGY', 'Keletkezés', '', 'KELE', '7', '004', '1');

-- TVHAT: Természetvédelmi hatóság
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Balaton-felvidéki Nemzeti Park Igazgatóság', 'BFNPI', 'Természetvédelmi hatóság', '', 'TVHAT', '8', '001', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Őrségi Nemzeti Park Igazgatóság', 'ŐNPI', 'Természetvédelmi hatóság', '', 'TVHAT', '8', '002', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Nyugat-dunántúli Környezetvédelmi, Természetvédelmi és Vízügyi Felügy.', 'NYDKTVF', 'Természetvédelmi hatóság', '', 'TVHAT', '8', '003', '1');

-- TERNEV: Védett terület neve
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Őrségi Nemzeti Park', 'ŐNP', 'Védett terület neve', '', 'TERNEV', '9', '001', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Kis-Balaton (Balaton-felvidéki Nemzeti Park)', 'KBAL', 'Védett terület neve', '', 'TERNEV', '9', '002', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Keszthelyi-hegység (Balaton-felvidéki Nemzeti Park)', 'KESZH', 'Védett terület neve', '', 'TERNEV', '9', '003', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Hévízi-tó Természetvédelmi Terület', 'HTT', 'Védett terület neve', '', 'TERNEV', '9', '004', '1');

-- VEDFOK: Védettség foka
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Fokozottan védett', 'FV', 'Védettség foka', '', 'VEDFOK', '10', '001', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Védett (országos jelentőségű)', 'V', 'Védettség foka', '', 'VEDFOK', '10', '002', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Helyi jelentőségű védett', 'HV', 'Védettség foka', '', 'VEDFOK', '10', '003', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Ex lege védett', 'EXL', 'Védettség foka', '', 'VEDFOK', '10', '004', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Nem védett', 'NV', 'Védettség foka', '', 'VEDFOK', '10', '005', '1');

-- NATURA: Natura 2000
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Különleges madárvédelmi terület', 'KMT', 'Natura 2000', '', 'NATURA', '11', '001', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Kiemelt jelentőségű természetmegőrzési terület', 'KJTT', 'Natura 2000', '', 'NATURA', '11', '002', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Madárvédelmi és természetmegőrzési terület is', 'KMT+KJTT', 'Natura 2000', '', 'NATURA', '11', '003', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Nem Natura 2000 terület', 'NEM', 'Natura 2000', '', 'NATURA', '11', '004', '1');

-- REND: Rendeltetés
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Faanyagtermelő', 'FAT', 'Rendeltetés', '', 'REND', '12', '001', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Talajvédelmi', 'TALV', 'Rendeltetés', '', 'REND', '12', '002', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Vízvédelmi', 'VÍZV', 'Rendeltetés', '', 'REND', '12', '003', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Partvédelmi', 'PARTV', 'Rendeltetés', '', 'REND', '12', '004', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Mezővédő', 'MEZV', 'Rendeltetés', '', 'REND', '12', '005', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Településvédelmi', 'TELV', 'Rendeltetés', '', 'REND', '12', '006', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Tájképvédelmi', 'TÁJV', 'Rendeltetés', '', 'REND', '12', '007', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Természetvédelmi', 'TTV', 'Rendeltetés', '', 'REND', '12', '008', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Génmegőrzési', 'GÉN', 'Rendeltetés', '', 'REND', '12', '009', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Parkerdő', 'PARK', 'Rendeltetés', '', 'REND', '12', '010', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Oktatási (tanerdő)', 'TAN', 'Rendeltetés', '', 'REND', '12', '011', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Vadaskert', 'VADK', 'Rendeltetés', '', 'REND', '12', '012', '1');

-- KLI: Klíma
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Bükkös klíma', 'B', 'Klíma', '', 'KLI', '13', '001', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Gyertyános-tölgyes klíma', 'GYT', 'Klíma', '', 'KLI', '13', '002', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Kocsánytalan tölgyes-cseres klíma', 'KTT', 'Klíma', '', 'KLI', '13', '003', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Erdőssztyep klíma', 'ESZ', 'Klíma', '', 'KLI', '13', '004', '1');

-- HID: Hidrológia
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Független (csak csapadékvíz)', 'F', 'Hidrológia', '', 'HID', '14', '001', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Időszakos vízhatású', 'IV', 'Hidrológia', '', 'HID', '14', '002', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Időszakos túlnedvesedésű', 'ITN', 'Hidrológia', '', 'HID', '14', '003', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Változó vízhatású', 'VV', 'Hidrológia', '', 'HID', '14', '004', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Állandó vízhatású', 'ÁV', 'Hidrológia', '', 'HID', '14', '005', '1');

-- GENTAL: Genetikai talajtípus
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Barna erdőtalaj', 'BE', 'Genetikai talajtípus', '', 'GENTAL', '15', '001', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Agyagbemosódásos barna erdőtalaj', 'ABE', 'Genetikai talajtípus', '', 'GENTAL', '15', '002', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Pszeudoglejes barna erdőtalaj', 'PBE', 'Genetikai talajtípus', '', 'GENTAL', '15', '003', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Kovárványos barna erdőtalaj', 'KBE', 'Genetikai talajtípus', '', 'GENTAL', '15', '004', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Barnaföld (Ramann-féle barna erdőtalaj)', 'BF', 'Genetikai talajtípus', '', 'GENTAL', '15', '005', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Rendzina', 'RE', 'Genetikai talajtípus', '', 'GENTAL', '15', '006', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Humuszos homok', 'HH', 'Genetikai talajtípus', '', 'GENTAL', '15', '007', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Réti talaj', 'RÉT', 'Genetikai talajtípus', '', 'GENTAL', '15', '008', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Öntéstalaj', 'ÖNT', 'Genetikai talajtípus', '', 'GENTAL', '15', '009', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Láptalaj', 'LÁP', 'Genetikai talajtípus', '', 'GENTAL', '15', '010', '1');

-- KORL: Gazdálkodás korlátozása
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Természetvédelmi korlátozás', 'TTV', 'Gazdálkodás korlátozása', '', 'KORL', '16', '001', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Vízbázisvédelmi korlátozás', 'VÍZB', 'Gazdálkodás korlátozása', '', 'KORL', '16', '002', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Honvédelmi korlátozás', 'HONV', 'Gazdálkodás korlátozása', '', 'KORL', '16', '003', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Régészeti lelőhely', 'RÉG', 'Gazdálkodás korlátozása', '', 'KORL', '16', '004', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Tarvágás tilalma', 'TARV', 'Gazdálkodás korlátozása', '', 'KORL', '16', '005', '1');

-- RET: Termőréteg vastagsága
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Igen sekély (20 cm alatt)', 'IGSEK', 'Termőréteg vastagsága', '', 'RET', '17', '001', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Sekély (20-40 cm)', 'SEK', 'Termőréteg vastagsága', '', 'RET', '17', '002', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Középmély (40-70 cm)', 'KMÉ', 'Termőréteg vastagsága', '', 'RET', '17', '003', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Mély (70-100 cm)', 'MÉ', 'Termőréteg vastagsága', '', 'RET', '17', '004', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Igen mély (100 cm felett)', 'IGMÉ', 'Termőréteg vastagsága', '', 'RET', '17', '005', '1');

-- FTF: Fizikai talajféleség
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Durva homok', 'DHO', 'Fizikai talajféleség', '', 'FTF', '18', '001', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Homok', 'HO', 'Fizikai talajféleség', '', 'FTF', '18', '002', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Vályogos homok', 'VHO', 'Fizikai talajféleség', '', 'FTF', '18', '003', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Homokos vályog', 'HVÁ', 'Fizikai talajféleség', '', 'FTF', '18', '004', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Vályog', 'VÁ', 'Fizikai talajféleség', '', 'FTF', '18', '005', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Agyagos vályog', 'AVÁ', 'Fizikai talajféleség', '', 'FTF', '18', '006', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Agyag', 'AG', 'Fizikai talajféleség', '', 'FTF', '18', '007', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Nehéz agyag', 'NAG', 'Fizikai talajféleség', '', 'FTF', '18', '008', '1');

-- UMOD: Üzemmód
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Vágásos üzemmód', 'VÁG', 'Üzemmód', '', 'UMOD', '19', '001', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Átalakító üzemmód', 'ÁTA', 'Üzemmód', '', 'UMOD', '19', '002', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Szálaló üzemmód', 'SZÁL', 'Üzemmód', '', 'UMOD', '19', '003', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Faanyagtermelést nem szolgáló üzemmód', 'FNSZ', 'Üzemmód', '', 'UMOD', '19', '004', '1');

-- TFM: Tengerszint feletti magasság
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('101-150 m', '150', 'Tengerszint feletti magasság', '', 'TFM', '20', '001', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('151-200 m', '200', 'Tengerszint feletti magasság', '', 'TFM', '20', '002', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('201-250 m', '250', 'Tengerszint feletti magasság', '', 'TFM', '20', '003', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('251-300 m', '300', 'Tengerszint feletti magasság', '', 'TFM', '20', '004', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('301-350 m', '350', 'Tengerszint feletti magasság', '', 'TFM', '20', '005', '1');

-- DOMB: Domborzat
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Sík', 'SÍK', 'Domborzat', '', 'DOMB', '21', '001', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Dombhát', 'HÁT', 'Domborzat', '', 'DOMB', '21', '002', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Gerinc', 'GER', 'Domborzat', '', 'DOMB', '21', '003', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Oldal (lejtő)', 'OLD', 'Domborzat', '', 'DOMB', '21', '004', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Lejtőláb', 'LÁB', 'Domborzat', '', 'DOMB', '21', '005', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Völgytalp', 'VÖL', 'Domborzat', '', 'DOMB', '21', '006', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Horhos, vízmosás', 'HOR', 'Domborzat', '', 'DOMB', '21', '007', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Zárt mélyedés', 'MÉL', 'Domborzat', '', 'DOMB', '21', '008', '1');

-- TCAL: Célállomány
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Kocsányos tölgyes', 'KTT', 'Célállomány', '', 'TCAL', '22', '001', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Kőrises-kocsányos tölgyes', 'KTT-MK', 'Célállomány', '', 'TCAL', '22', '002', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Kocsánytalan tölgyes', 'KST', 'Célállomány', '', 'TCAL', '22', '003', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Gyertyános-kocsánytalan tölgyes', 'KST-GY', 'Célállomány', '', 'TCAL', '22', '004', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Bükkös', 'B', 'Célállomány', '', 'TCAL', '22', '005', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Gyertyános-bükkös', 'B-GY', 'Célállomány', '', 'TCAL', '22', '006', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Cseres', 'CS', 'Célállomány', '', 'TCAL', '22', '007', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Cseres-kocsánytalan tölgyes', 'CS-KST', 'Célállomány', '', 'TCAL', '22', '008', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Akácos', 'A', 'Célállomány', '', 'TCAL', '22', '009', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Erdeifenyves', 'EF', 'Célállomány', '', 'TCAL', '22', '010', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Lucos', 'LF', 'Célállomány', '', 'TCAL', '22', '011', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Nemesnyáras', 'NNY', 'Célállomány', '', 'TCAL', '22', '012', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Mézgás égeres', 'ME', 'Célállomány', '', 'TCAL', '22', '013', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Gyertyános', 'GY', 'Célállomány', '', 'TCAL', '22', '014', '1');

-- FEK: Fekvés
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Északi', 'É', 'Fekvés', '', 'FEK', '23', '001', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Északkeleti', 'ÉK', 'Fekvés', '', 'FEK', '23', '002', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Keleti', 'K', 'Fekvés', '', 'FEK', '23', '003', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Déli', 'D', 'Fekvés', '', 'FEK', '23', '004', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Délkeleti', 'DK', 'Fekvés', '', 'FEK', '23', '005', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Délnyugati', 'DNY', 'Fekvés', '', 'FEK', '23', '006', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Nyugati', 'NY', 'Fekvés', '', 'FEK', '23', '007', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Északnyugati', 'ÉNY', 'Fekvés', '', 'FEK', '23', '008', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Sík (kitettség nélkül)', 'SÍK', 'Fekvés', '', 'FEK', '23', '009', '1');

-- LEJT: Lejtés
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Sík (5 % alatt)', 'SÍK', 'Lejtés', '', 'LEJT', '24', '001', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Enyhe lejtő (5-15 %)', 'ENY', 'Lejtés', '', 'LEJT', '24', '002', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Közepes lejtő (15-25 %)', 'KÖZ', 'Lejtés', '', 'LEJT', '24', '003', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Meredek lejtő (25-35 %)', 'MER', 'Lejtés', '', 'LEJT', '24', '004', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Igen meredek lejtő (35 % felett)', 'IGM', 'Lejtés', '', 'LEJT', '24', '005', '1');

-- TFTK: Fatermőképességi csoport
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('I. fatermőképességi osztály', 'I', 'Fatermőképességi csoport', '', 'TFTK', '25', '001', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('II. fatermőképességi osztály', 'II', 'Fatermőképességi csoport', '', 'TFTK', '25', '002', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('III. fatermőképességi osztály', 'III', 'Fatermőképességi csoport', '', 'TFTK', '25', '003', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('IV. fatermőképességi osztály', 'IV', 'Fatermőképességi csoport', '', 'TFTK', '25', '004', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('V. fatermőképességi osztály', 'V', 'Fatermőképességi csoport', '', 'TFTK', '25', '005', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('VI. fatermőképességi osztály', 'VI', 'Fatermőképességi csoport', '', 'TFTK', '25', '006', '1');

-- THM: Termőhely-meghatározás módja
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Termőhelytérkép alapján', 'TÉRK', 'Termőhely-meghatározás módja', '', 'THM', '26', '001', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Talajszelvény feltárásával', 'SZELV', 'Termőhely-meghatározás módja', '', 'THM', '26', '002', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Talajfúrással', 'FÚR', 'Termőhely-meghatározás módja', '', 'THM', '26', '003', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Becsléssel (szemrevételezés)', 'BECS', 'Termőhely-meghatározás módja', '', 'THM', '26', '004', '1');

-- ZMI: Záródás minimum
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Legalább 40 % záródás', '40', 'Záródás minimum', '', 'ZMI', '27', '001', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Legalább 50 % záródás', '50', 'Záródás minimum', '', 'ZMI', '27', '002', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Legalább 60 % záródás', '60', 'Záródás minimum', '', 'ZMI', '27', '003', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Legalább 70 % záródás', '70', 'Záródás minimum', '', 'ZMI', '27', '004', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Legalább 80 % záródás', '80', 'Záródás minimum', '', 'ZMI', '27', '005', '1');

-- CS: Cserjeborítás
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Nincs cserjeszint', 'NINCS', 'Cserjeborítás', '', 'CS', '28', '001', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Gyér (25 % alatt)', 'GYÉR', 'Cserjeborítás', '', 'CS', '28', '002', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Közepes (25-50 %)', 'KÖZ', 'Cserjeborítás', '', 'CS', '28', '003', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Sűrű (50-75 %)', 'SŰRŰ', 'Cserjeborítás', '', 'CS', '28', '004', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Zárt (75 % felett)', 'ZÁRT', 'Cserjeborítás', '', 'CS', '28', '005', '1');

-- FAKIMOD: Fakitermelés módja
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Tisztítás', 'TI', 'Fakitermelés módja', '', 'FAKIMOD', '29', '001', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Törzskiválasztó gyérítés', 'TKGY', 'Fakitermelés módja', '', 'FAKIMOD', '29', '002', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Növedékfokozó gyérítés', 'NFGY', 'Fakitermelés módja', '', 'FAKIMOD', '29', '003', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Tarvágás', 'TRV', 'Fakitermelés módja', '', 'FAKIMOD', '29', '004', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Fokozatos felújítóvágás, bontóvágás', 'FVB', 'Fakitermelés módja', '', 'FAKIMOD', '29', '005', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Fokozatos felújítóvágás, végvágás', 'FVV', 'Fakitermelés módja', '', 'FAKIMOD', '29', '006', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Egészségügyi termelés', 'EÜ', 'Fakitermelés módja', '', 'FAKIMOD', '29', '007', '1');

-- JELL: Erdősítés jellege
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Természetes felújítás', 'TF', 'Erdősítés jellege', '', 'JELL', '30', '001', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Mesterséges felújítás', 'MF', 'Erdősítés jellege', '', 'JELL', '30', '002', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Kombinált (természetes és mesterséges) felújítás', 'KF', 'Erdősítés jellege', '', 'JELL', '30', '003', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Sarjaztatásos felújítás', 'SF', 'Erdősítés jellege', '', 'JELL', '30', '004', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Erdőtelepítés', 'ET', 'Erdősítés jellege', '', 'JELL', '30', '005', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Pótlás', 'PÓT', 'Erdősítés jellege', '', 'JELL', '30', '006', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Kiegészítés', 'KIEG', 'Erdősítés jellege', '', 'JELL', '30', '007', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Szerkezetátalakítás', 'ÁTAL', 'Erdősítés jellege', '', 'JELL', '30', '008', '1');

-- EMOD: Erdősítés módja
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Csemeteültetés', 'CSÜ', 'Erdősítés módja', '', 'EMOD', '31', '001', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Makkvetés', 'MV', 'Erdősítés módja', '', 'EMOD', '31', '002', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Magvetés', 'MAGV', 'Erdősítés módja', '', 'EMOD', '31', '003', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Természetes felújítás magról', 'TFM', 'Erdősítés módja', '', 'EMOD', '31', '004', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Tősarjaztatás', 'TSARJ', 'Erdősítés módja', '', 'EMOD', '31', '005', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Gyökérsarjaztatás', 'GYSARJ', 'Erdősítés módja', '', 'EMOD', '31', '006', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Dugványozás', 'DUGV', 'Erdősítés módja', '', 'EMOD', '31', '007', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Suhángültetés', 'SUH', 'Erdősítés módja', '', 'EMOD', '31', '008', '1');

-- VADGAZD: Vadgazdálkodási egység
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Csesztregi Vadásztársaság', '201050', 'Vadgazdálkodási egység', '', 'VADGAZD', '32', '001', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Göcseji Vadásztársaság', '201150', 'Vadgazdálkodási egység', '', 'VADGAZD', '32', '002', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Zalaszentgróti Vadásztársaság', '201250', 'Vadgazdálkodási egység', '', 'VADGAZD', '32', '003', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Kerkamenti Földtulajdonosi Vadászati Közösség', '201350', 'Vadgazdálkodási egység', '', 'VADGAZD', '32', '004', '1');

-- ERDTAJ: Erdészeti táj
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Göcsej', 'GÖCS', 'Erdészeti táj', '', 'ERDTAJ', '33', '001', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Kerka-vidék', 'KERKA', 'Erdészeti táj', '', 'ERDTAJ', '33', '002', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Zalaapáti-hát', 'ZAPH', 'Erdészeti táj', '', 'ERDTAJ', '33', '003', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Keszthelyi-hegység', 'KESZH', 'Erdészeti táj', '', 'ERDTAJ', '33', '004', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Kemeneshát', 'KEMH', 'Erdészeti táj', '', 'ERDTAJ', '33', '005', '1');

-- TERMESZET: Termőhelytípus-változat
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Gyertyános-tölgyes klíma, független, agyagbemosódásos b. e., mély', 'GYT-F-ABE-MÉ', 'Termőhelytípus-változat', '', 'TERMESZET', '34', '001', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Gyertyános-tölgyes klíma, független, pszeudoglejes b. e., középmély', 'GYT-F-PBE-KMÉ', 'Termőhelytípus-változat', '', 'TERMESZET', '34', '002', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Bükkös klíma, független, barna erdőtalaj, mély', 'B-F-BE-MÉ', 'Termőhelytípus-változat', '', 'TERMESZET', '34', '003', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Kocsánytalan tölgyes-cseres klíma, független, rendzina, sekély', 'KTT-F-RE-SEK', 'Termőhelytípus-változat', '', 'TERMESZET', '34', '004', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Gyertyános-tölgyes klíma, állandó vízhatású, réti talaj, mély', 'GYT-ÁV-RÉT-MÉ', 'Termőhelytípus-változat', '', 'TERMESZET', '34', '005', '1');

-- REZERVTIP: Erdőrezervátum típusa
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Erdőrezervátum magterülete', 'MAGT', 'Erdőrezervátum típusa', '', 'REZERVTIP', '35', '001', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Erdőrezervátum védőzónája', 'VÉDZ', 'Erdőrezervátum típusa', '', 'REZERVTIP', '35', '002', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Nem erdőrezervátum', 'NEM', 'Erdőrezervátum típusa', '', 'REZERVTIP', '35', '003', '1');

-- FAF: Fafaj
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Kocsányos tölgy', 'KTT', 'Fafaj', 'Tölgyek', 'FAF', '36', '001', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Kocsánytalan tölgy', 'KST', 'Fafaj', 'Tölgyek', 'FAF', '36', '002', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Csertölgy', 'CS', 'Fafaj', 'Tölgyek', 'FAF', '36', '003', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Molyhos tölgy', 'MOT', 'Fafaj', 'Tölgyek', 'FAF', '36', '004', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Vörös tölgy', 'VT', 'Fafaj', 'Tölgyek', 'FAF', '36', '005', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Bükk', 'B', 'Fafaj', 'Egyéb keménylombos', 'FAF', '36', '006', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Gyertyán', 'GY', 'Fafaj', 'Egyéb keménylombos', 'FAF', '36', '007', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Akác', 'A', 'Fafaj', 'Egyéb keménylombos', 'FAF', '36', '008', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Magas kőris', 'MK', 'Fafaj', 'Egyéb keménylombos', 'FAF', '36', '009', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Mezei juhar', 'MJ', 'Fafaj', 'Egyéb keménylombos', 'FAF', '36', '010', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Korai juhar', 'KJ', 'Fafaj', 'Egyéb keménylombos', 'FAF', '36', '011', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Hegyi juhar', 'HJ', 'Fafaj', 'Egyéb keménylombos', 'FAF', '36', '012', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Mezei szil', 'MSZ', 'Fafaj', 'Egyéb keménylombos', 'FAF', '36', '013', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Vadcseresznye', 'VCS', 'Fafaj', 'Egyéb keménylombos', 'FAF', '36', '014', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Kislevelű hárs', 'KH', 'Fafaj', 'Lágylombos', 'FAF', '36', '015', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Nagylevelű hárs', 'NH', 'Fafaj', 'Lágylombos', 'FAF', '36', '016', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Közönséges nyír', 'NYI', 'Fafaj', 'Lágylombos', 'FAF', '36', '017', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Mézgás éger', 'ME', 'Fafaj', 'Lágylombos', 'FAF', '36', '018', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Fehér nyár', 'FNY', 'Fafaj', 'Lágylombos', 'FAF', '36', '019', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Szürke nyár', 'SZNY', 'Fafaj', 'Lágylombos', 'FAF', '36', '020', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Rezgő nyár', 'RNY', 'Fafaj', 'Lágylombos', 'FAF', '36', '021', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Nemes nyár', 'NNY', 'Fafaj', 'Lágylombos', 'FAF', '36', '022', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Erdeifenyő', 'EF', 'Fafaj', 'Fenyők', 'FAF', '36', '023', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Feketefenyő', 'FF', 'Fafaj', 'Fenyők', 'FAF', '36', '024', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Lucfenyő', 'LF', 'Fafaj', 'Fenyők', 'FAF', '36', '025', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Vörösfenyő', 'VF', 'Fafaj', 'Fenyők', 'FAF', '36', '026', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Duglászfenyő', 'DF', 'Fafaj', 'Fenyők', 'FAF', '36', '027', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Jegenyefenyő', 'JF', 'Fafaj', 'Fenyők', 'FAF', '36', '028', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Fehér fűz', 'FFŰ', 'Fafaj', 'Lágylombos', 'FAF', '36', '029', '1');

-- JSZ: Jelzőszám
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Felső szint (főállomány)', '1', 'Jelzőszám', '', 'JSZ', '37', '001', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Alsó szint', '2', 'Jelzőszám', '', 'JSZ', '37', '002', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Felújítási szint (újulat)', '3', 'Jelzőszám', '', 'JSZ', '37', '003', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Hagyásfa', '4', 'Jelzőszám', '', 'JSZ', '37', '004', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Cserjeszint', '5', 'Jelzőszám', '', 'JSZ', '37', '005', '1');

-- ER: Eredet
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Magról kelt (természetes)', 'MAG', 'Eredet', '', 'ER', '38', '001', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Vetésből', 'VET', 'Eredet', '', 'ER', '38', '002', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Ültetésből', 'ÜLT', 'Eredet', '', 'ER', '38', '003', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Tősarjról', 'TSARJ', 'Eredet', '', 'ER', '38', '004', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Gyökérsarjról', 'GYSARJ', 'Eredet', '', 'ER', '38', '005', '1');

-- ELM: Elegyedés módja
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Egyenletes', 'EGY', 'Elegyedés módja', '', 'ELM', '39', '001', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Csoportos', 'CSOP', 'Elegyedés módja', '', 'ELM', '39', '002', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Foltos', 'FOLT', 'Elegyedés módja', '', 'ELM', '39', '003', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Soros', 'SOR', 'Elegyedés módja', '', 'ELM', '39', '004', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Sávos', 'SÁV', 'Elegyedés módja', '', 'ELM', '39', '005', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Szórt', 'SZÓR', 'Elegyedés módja', '', 'ELM', '39', '006', '1');

-- FM: Törzsminőség
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Kiváló', '1', 'Törzsminőség', '', 'FM', '40', '001', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Jó', '2', 'Törzsminőség', '', 'FM', '40', '002', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Közepes', '3', 'Törzsminőség', '', 'FM', '40', '003', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Gyenge (selejtes)', '4', 'Törzsminőség', '', 'FM', '40', '004', '1');

-- JK: Jellemző károsító
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Nincs jelentős károsítás', 'NINCS', 'Jellemző károsító', '', 'JK', '41', '001', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Vadkár', 'VAD', 'Jellemző károsító', '', 'JK', '41', '002', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Rovarkár', 'ROV', 'Jellemző károsító', '', 'JK', '41', '003', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Gombakár', 'GOMBA', 'Jellemző károsító', '', 'JK', '41', '004', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Aszálykár', 'ASZ', 'Jellemző károsító', '', 'JK', '41', '005', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Széltörés, széldöntés', 'SZÉL', 'Jellemző károsító', '', 'JK', '41', '006', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Hótörés', 'HÓ', 'Jellemző károsító', '', 'JK', '41', '007', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Fagykár', 'FAGY', 'Jellemző károsító', '', 'JK', '41', '008', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Tűzkár', 'TŰZ', 'Jellemző károsító', '', 'JK', '41', '009', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Emberi károsítás (falopás)', 'EMB', 'Jellemző károsító', '', 'JK', '41', '010', '1');

-- KM: Károsítás mértéke
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Gyenge (10 % alatt)', '1', 'Károsítás mértéke', '', 'KM', '42', '001', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Közepes (10-30 %)', '2', 'Károsítás mértéke', '', 'KM', '42', '002', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Erős (30-60 %)', '3', 'Károsítás mértéke', '', 'KM', '42', '003', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Igen erős (60 % felett)', '4', 'Károsítás mértéke', '', 'KM', '42', '004', '1');

-- SURG1: Sürgősség
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Sürgős (1-2 éven belül)', '1', 'Sürgősség', '', 'SURG1', '43', '001', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Kevésbé sürgős (a tervidőszak első felében)', '2', 'Sürgősség', '', 'SURG1', '43', '002', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Nem sürgős (a tervidőszak második felében)', '3', 'Sürgősség', '', 'SURG1', '43', '003', '1');

-- HMOD: Használati mód
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Tisztítás', 'TI', 'Használati mód', '', 'HMOD', '44', '001', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Törzskiválasztó gyérítés', 'TKGY', 'Használati mód', '', 'HMOD', '44', '002', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Növedékfokozó gyérítés', 'NFGY', 'Használati mód', '', 'HMOD', '44', '003', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Tarvágás', 'TRV', 'Használati mód', '', 'HMOD', '44', '004', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Fokozatos felújítóvágás, előkészítő vágás', 'FVE', 'Használati mód', '', 'HMOD', '44', '005', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Fokozatos felújítóvágás, bontóvágás', 'FVB', 'Használati mód', '', 'HMOD', '44', '006', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Fokozatos felújítóvágás, végvágás', 'FVV', 'Használati mód', '', 'HMOD', '44', '007', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Szálalás', 'SZÁL', 'Használati mód', '', 'HMOD', '44', '008', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Átalakító termelés', 'ÁTA', 'Használati mód', '', 'HMOD', '44', '009', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Egészségügyi termelés', 'EÜ', 'Használati mód', '', 'HMOD', '44', '010', '1');
INSERT INTO KODOK (KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD) VALUES ('Egyéb termelés', 'EGY', 'Használati mód', '', 'HMOD', '44', '011', '1');

-- The forestry unit (fictional address and numbers). IDX is taken from the
-- generator (1 on a new database) so that a row added later gets the next one.
INSERT INTO ERDESZET (IDX, XKOD, XNEVE, XHELYSEG, XUTCA, XIRSZAM, XADOSZAM, XBANKSZLA, XADOAZON, XMEGJ, XAKOD)
  VALUES (GEN_ID(GEN_ERDESZET, 1), '1', 'Zalai Erdészet', 'Zalaegerszeg', 'Erdész utca 12.', '8900', '12345678-2-20',
          '12345678-12345678', 'HU12345678', 'Mintaadatok a program kipróbálásához', 'ZALA');
