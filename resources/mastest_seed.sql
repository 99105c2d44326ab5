-- Quorvex: starting content of the estimate register.
-- Only the section names offered when lines are added to an estimate; the register of
-- estimates itself (master) starts empty.

INSERT INTO sectionname (sectionname) VALUES ('Tear Off');
INSERT INTO sectionname (sectionname) VALUES ('Decking');
INSERT INTO sectionname (sectionname) VALUES ('Roofing');
INSERT INTO sectionname (sectionname) VALUES ('Flashing');
INSERT INTO sectionname (sectionname) VALUES ('Ventilation');
INSERT INTO sectionname (sectionname) VALUES ('Gutters');
INSERT INTO sectionname (sectionname) VALUES ('Permits & Fees');
INSERT INTO sectionname (sectionname) VALUES ('Cleanup');
