-- Quorvex: starting content of the cost database.
-- Cost items (materials, labor, subcontracts, equipment, fees), the hourly labor burdens and the
-- unit items with their components. The program creates the tables, then runs this script once when
-- it lays out a new cost database. Money is in ten-thousandths of a dollar ($12.34 is 123400);
-- cost items carry explicit IDs so labor burdens and unit item components can refer to them.

-- Materials: prices per unit as bought from the supply house, before tax
INSERT INTO costitem (ID, costtype, Cat, CostName, manufacturer, sku, Unit, Descrip, Amount) VALUES (1, 'Material', 'Shingles', 'Timberline HDZ Architectural Shingle', 'GAF', 'GAF-HDZ-CHR', 'bdl', 'Laminated architectural shingle, 3 bundles per square, 130 mph wind warranty with LayerLock nailing strip', 445000);
INSERT INTO costitem (ID, costtype, Cat, CostName, manufacturer, sku, Unit, Descrip, Amount) VALUES (2, 'Material', 'Shingles', 'Duration Architectural Shingle', 'Owens Corning', 'OC-DUR-ONX', 'bdl', 'Laminated architectural shingle with SureNail strip, 3 bundles per square', 437500);
INSERT INTO costitem (ID, costtype, Cat, CostName, manufacturer, sku, Unit, Descrip, Amount) VALUES (3, 'Material', 'Shingles', 'Landmark Architectural Shingle', 'CertainTeed', 'CT-LMK-MWG', 'bdl', 'Two-piece laminated architectural shingle, 3 bundles per square', 429000);
INSERT INTO costitem (ID, costtype, Cat, CostName, manufacturer, sku, Unit, Descrip, Amount) VALUES (4, 'Material', 'Shingles', 'Cambridge Architectural Shingle', 'IKO', 'IKO-CAM-DRI', 'bdl', 'Laminated architectural shingle, 3 bundles per square, value line', 398000);
INSERT INTO costitem (ID, costtype, Cat, CostName, manufacturer, sku, Unit, Descrip, Amount) VALUES (5, 'Material', 'Shingles', 'Pinnacle Pristine Architectural Shingle', 'Atlas', 'ATL-PIN-PRI', 'bdl', 'Scotchgard algae-resistant architectural shingle, 3 bundles per square', 412500);
INSERT INTO costitem (ID, costtype, Cat, CostName, manufacturer, sku, Unit, Descrip, Amount) VALUES (6, 'Material', 'Shingles', 'Heritage Architectural Shingle', 'Tamko', 'TAM-HER-WWD', 'bdl', 'Laminated architectural shingle, 3 bundles per square', 395000);
INSERT INTO costitem (ID, costtype, Cat, CostName, manufacturer, sku, Unit, Descrip, Amount) VALUES (7, 'Material', 'Shingles', 'Royal Sovereign 3-Tab Shingle', 'GAF', 'GAF-RS3-CHR', 'bdl', 'Standard 3-tab strip shingle, 3 bundles per square', 365000);
INSERT INTO costitem (ID, costtype, Cat, CostName, manufacturer, sku, Unit, Descrip, Amount) VALUES (8, 'Material', 'Shingles', 'Supreme 3-Tab Shingle', 'Owens Corning', 'OC-SUP-EBW', 'bdl', 'Standard 3-tab strip shingle, 3 bundles per square', 359000);
INSERT INTO costitem (ID, costtype, Cat, CostName, manufacturer, sku, Unit, Descrip, Amount) VALUES (9, 'Material', 'Shingles', 'XT 25 3-Tab Shingle', 'CertainTeed', 'CT-XT25-HGR', 'bdl', '3-tab strip shingle, 3 bundles per square', 362000);
INSERT INTO costitem (ID, costtype, Cat, CostName, manufacturer, sku, Unit, Descrip, Amount) VALUES (10, 'Material', 'Starter', 'Pro-Start Starter Strip', 'GAF', 'GAF-PROSTART', 'bdl', 'Eave and rake starter strip, about 120 lf per bundle', 580000);
INSERT INTO costitem (ID, costtype, Cat, CostName, manufacturer, sku, Unit, Descrip, Amount) VALUES (11, 'Material', 'Starter', 'Starter Strip Plus', 'Owens Corning', 'OC-SSPLUS', 'bdl', 'Perforated starter shingle, about 105 lf per bundle', 560000);
INSERT INTO costitem (ID, costtype, Cat, CostName, manufacturer, sku, Unit, Descrip, Amount) VALUES (12, 'Material', 'Starter', 'SwiftStart Starter', 'CertainTeed', 'CT-SWIFTSTART', 'bdl', 'Starter shingle, about 116 lf per bundle', 540000);
INSERT INTO costitem (ID, costtype, Cat, CostName, manufacturer, sku, Unit, Descrip, Amount) VALUES (13, 'Material', 'Hip & Ridge', 'Seal-A-Ridge Hip and Ridge Cap', 'GAF', 'GAF-SAR-CHR', 'bdl', 'Pre-cut hip and ridge cap shingle, about 25 lf per bundle', 780000);
INSERT INTO costitem (ID, costtype, Cat, CostName, manufacturer, sku, Unit, Descrip, Amount) VALUES (14, 'Material', 'Hip & Ridge', 'ProEdge Hip and Ridge', 'Owens Corning', 'OC-PROEDGE', 'bdl', 'Hip and ridge shingle, about 33 lf per bundle', 820000);
INSERT INTO costitem (ID, costtype, Cat, CostName, manufacturer, sku, Unit, Descrip, Amount) VALUES (15, 'Material', 'Hip & Ridge', 'Shadow Ridge Hip and Ridge', 'CertainTeed', 'CT-SHADOWRIDGE', 'bdl', 'Accessory hip and ridge shingle, about 30 lf per bundle', 760000);
INSERT INTO costitem (ID, costtype, Cat, CostName, manufacturer, sku, Unit, Descrip, Amount) VALUES (16, 'Material', 'Underlayment', 'FeltBuster Synthetic Underlayment', 'GAF', 'GAF-FB-10SQ', 'roll', 'Synthetic underlayment, 10 squares per roll', 1350000);
INSERT INTO costitem (ID, costtype, Cat, CostName, manufacturer, sku, Unit, Descrip, Amount) VALUES (17, 'Material', 'Underlayment', 'RhinoRoof U20 Synthetic Underlayment', 'Owens Corning', 'OC-RR-U20', 'roll', 'Synthetic underlayment, 10 squares per roll', 1180000);
INSERT INTO costitem (ID, costtype, Cat, CostName, manufacturer, sku, Unit, Descrip, Amount) VALUES (18, 'Material', 'Underlayment', 'RoofRunner Synthetic Underlayment', 'CertainTeed', 'CT-RR-10SQ', 'roll', 'Synthetic underlayment, 10 squares per roll', 1450000);
INSERT INTO costitem (ID, costtype, Cat, CostName, manufacturer, sku, Unit, Descrip, Amount) VALUES (19, 'Material', 'Underlayment', '#15 Asphalt Saturated Felt', 'Tamko', 'TAM-FELT15', 'roll', 'No. 15 organic felt, 432 sq ft (4 squares) per roll', 285000);
INSERT INTO costitem (ID, costtype, Cat, CostName, manufacturer, sku, Unit, Descrip, Amount) VALUES (20, 'Material', 'Underlayment', '#30 Asphalt Saturated Felt', 'Tamko', 'TAM-FELT30', 'roll', 'No. 30 organic felt, 216 sq ft (2 squares) per roll', 320000);
INSERT INTO costitem (ID, costtype, Cat, CostName, manufacturer, sku, Unit, Descrip, Amount) VALUES (21, 'Material', 'Ice & Water', 'WeatherWatch Ice and Water Barrier', 'GAF', 'GAF-WW-2SQ', 'roll', 'Mineral-surfaced self-adhering leak barrier, 200 sq ft per roll', 980000);
INSERT INTO costitem (ID, costtype, Cat, CostName, manufacturer, sku, Unit, Descrip, Amount) VALUES (22, 'Material', 'Ice & Water', 'Ice & Water Shield', 'GCP Grace', 'GCP-IWS-36', 'roll', 'Self-adhered rubberized asphalt membrane, 36 in x 75 ft (225 sq ft)', 1650000);
INSERT INTO costitem (ID, costtype, Cat, CostName, manufacturer, sku, Unit, Descrip, Amount) VALUES (23, 'Material', 'Ice & Water', 'WeatherLock G Ice and Water Barrier', 'Owens Corning', 'OC-WLG-2SQ', 'roll', 'Granular-surfaced self-sealing barrier, 200 sq ft per roll', 1050000);
INSERT INTO costitem (ID, costtype, Cat, CostName, manufacturer, sku, Unit, Descrip, Amount) VALUES (24, 'Material', 'Drip Edge', 'Aluminum Drip Edge 10 ft, White', 'Amerimax', 'AMX-DE-ALW10', 'pc', 'Style D aluminum drip edge, 10 ft length', 98000);
INSERT INTO costitem (ID, costtype, Cat, CostName, manufacturer, sku, Unit, Descrip, Amount) VALUES (25, 'Material', 'Drip Edge', 'Galvanized Drip Edge 10 ft', 'Gibraltar', 'GIB-DE-GV10', 'pc', 'Style D galvanized steel drip edge, 10 ft length', 85000);
INSERT INTO costitem (ID, costtype, Cat, CostName, manufacturer, sku, Unit, Descrip, Amount) VALUES (26, 'Material', 'Valley', 'W-Valley Flashing 10 ft, Galvanized', 'Gibraltar', 'GIB-WV-20X10', 'pc', '20 in galvanized W-valley with center rib, 10 ft length', 280000);
INSERT INTO costitem (ID, costtype, Cat, CostName, manufacturer, sku, Unit, Descrip, Amount) VALUES (27, 'Material', 'Valley', 'Aluminum Valley Roll 20 in x 50 ft', 'Amerimax', 'AMX-VR-2050', 'roll', 'Mill-finish aluminum roll valley flashing', 850000);
INSERT INTO costitem (ID, costtype, Cat, CostName, manufacturer, sku, Unit, Descrip, Amount) VALUES (28, 'Material', 'Flashing', 'Step Flashing 4 x 4 x 8 in, Aluminum', 'Amerimax', 'AMX-SF-448', 'box', 'Pre-bent aluminum step flashing, 100 pieces per box', 520000);
INSERT INTO costitem (ID, costtype, Cat, CostName, manufacturer, sku, Unit, Descrip, Amount) VALUES (29, 'Material', 'Flashing', 'Galvanized Roll Flashing 10 in x 50 ft', 'Gibraltar', 'GIB-RF-1050', 'roll', 'Galvanized steel roll flashing for counter and apron flashing', 420000);
INSERT INTO costitem (ID, costtype, Cat, CostName, manufacturer, sku, Unit, Descrip, Amount) VALUES (30, 'Material', 'Pipe Boots', 'No-Calk Roof Flashing 1-1/2 to 3 in', 'Oatey', 'OAT-NC-1530', 'ea', 'Galvanized base pipe flashing with neoprene collar', 155000);
INSERT INTO costitem (ID, costtype, Cat, CostName, manufacturer, sku, Unit, Descrip, Amount) VALUES (31, 'Material', 'Pipe Boots', 'No-Calk Roof Flashing 4 in', 'Oatey', 'OAT-NC-4', 'ea', 'Galvanized base pipe flashing with neoprene collar for 4 in pipe', 217500);
INSERT INTO costitem (ID, costtype, Cat, CostName, manufacturer, sku, Unit, Descrip, Amount) VALUES (32, 'Material', 'Pipe Boots', 'Lead Pipe Flashing 3 in', 'Oatey', 'OAT-LD-3', 'ea', '2.5 lb lead roof flashing, turned into the pipe', 340000);
INSERT INTO costitem (ID, costtype, Cat, CostName, manufacturer, sku, Unit, Descrip, Amount) VALUES (33, 'Material', 'Pipe Boots', 'Perma-Boot Pipe Boot Repair 3 in', 'Lifetime Tool', 'LTB-PB-3', 'ea', 'Slip-over replacement collar for cracked pipe boots', 275000);
INSERT INTO costitem (ID, costtype, Cat, CostName, manufacturer, sku, Unit, Descrip, Amount) VALUES (34, 'Material', 'Ventilation', 'ShingleVent II Ridge Vent 4 ft', 'Air Vent', 'AV-SV2-4', 'pc', 'Shingle-over ridge vent with external baffle, 4 ft section', 125000);
INSERT INTO costitem (ID, costtype, Cat, CostName, manufacturer, sku, Unit, Descrip, Amount) VALUES (35, 'Material', 'Ventilation', 'Cobra Ridge Runner Ridge Vent 20 ft', 'GAF', 'GAF-CRR-20', 'roll', 'Rolled shingle-over ridge vent, 20 ft roll', 880000);
INSERT INTO costitem (ID, costtype, Cat, CostName, manufacturer, sku, Unit, Descrip, Amount) VALUES (36, 'Material', 'Ventilation', '750 Slant Back Roof Louver', 'Lomanco', 'LOM-750-BL', 'ea', 'Static box vent, 50 sq in net free area, black', 240000);
INSERT INTO costitem (ID, costtype, Cat, CostName, manufacturer, sku, Unit, Descrip, Amount) VALUES (37, 'Material', 'Ventilation', 'Whirlybird Turbine 12 in', 'Lomanco', 'LOM-BIB12', 'ea', 'Wind turbine ventilator with base', 580000);
INSERT INTO costitem (ID, costtype, Cat, CostName, manufacturer, sku, Unit, Descrip, Amount) VALUES (38, 'Material', 'Fasteners', 'Coil Roofing Nails 1-1/4 in', 'Grip-Rite', 'GR-114HGRCOIL', 'box', 'Electro-galvanized coil roofing nails, 7,200 per box', 580000);
INSERT INTO costitem (ID, costtype, Cat, CostName, manufacturer, sku, Unit, Descrip, Amount) VALUES (39, 'Material', 'Fasteners', 'Coil Roofing Nails 1-3/4 in', 'Grip-Rite', 'GR-134HGRCOIL', 'box', 'Electro-galvanized coil roofing nails for ridge and thick cap, 7,200 per box', 680000);
INSERT INTO costitem (ID, costtype, Cat, CostName, manufacturer, sku, Unit, Descrip, Amount) VALUES (40, 'Material', 'Fasteners', 'Plastic Cap Nails 1 in', 'Grip-Rite', 'GR-1CAP3M', 'box', 'Plastic cap roofing nails for underlayment, 3,000 per box', 360000);
INSERT INTO costitem (ID, costtype, Cat, CostName, manufacturer, sku, Unit, Descrip, Amount) VALUES (41, 'Material', 'Fasteners', '8d Ring Shank Coil Framing Nails', 'Grip-Rite', 'GR-8DRSCOIL', 'box', '2-3/8 in ring shank coil nails for deck sheathing, 3,600 per box', 620000);
INSERT INTO costitem (ID, costtype, Cat, CostName, manufacturer, sku, Unit, Descrip, Amount) VALUES (42, 'Material', 'Sealant', 'Geocel 2300 Roofing Sealant', 'Geocel', 'GEO-2300-CLR', 'tube', 'Construction tripolymer sealant, 10.3 oz tube', 92500);
INSERT INTO costitem (ID, costtype, Cat, CostName, manufacturer, sku, Unit, Descrip, Amount) VALUES (43, 'Material', 'Sealant', 'Wet Patch Roof Leak Repair', 'Henry', 'HEN-208-10OZ', 'tube', 'Roof cement for wet or dry surfaces, 10.1 oz tube', 75000);
INSERT INTO costitem (ID, costtype, Cat, CostName, manufacturer, sku, Unit, Descrip, Amount) VALUES (44, 'Material', 'Decking', 'OSB Roof Sheathing 7/16 in 4 x 8', 'Georgia-Pacific', 'GP-OSB716-48', 'sheet', '7/16 in oriented strand board, 4 ft x 8 ft, 24/16 span rating', 165000);
INSERT INTO costitem (ID, costtype, Cat, CostName, manufacturer, sku, Unit, Descrip, Amount) VALUES (45, 'Material', 'Decking', 'CDX Plywood 1/2 in 4 x 8', 'Georgia-Pacific', 'GP-CDX12-48', 'sheet', '1/2 in CDX sheathing plywood, 4 ft x 8 ft', 340000);
INSERT INTO costitem (ID, costtype, Cat, CostName, manufacturer, sku, Unit, Descrip, Amount) VALUES (46, 'Material', 'Decking', 'CDX Plywood 5/8 in 4 x 8', 'Weyerhaeuser', 'WEY-CDX58-48', 'sheet', '5/8 in CDX sheathing plywood, 4 ft x 8 ft', 420000);
INSERT INTO costitem (ID, costtype, Cat, CostName, manufacturer, sku, Unit, Descrip, Amount) VALUES (47, 'Material', 'Decking', 'Plywood Clips 7/16 in', 'Simpson Strong-Tie', 'SST-PSCL716', 'box', 'Panel sheathing clips for 7/16 in panels, 250 per box', 310000);
INSERT INTO costitem (ID, costtype, Cat, CostName, manufacturer, sku, Unit, Descrip, Amount) VALUES (48, 'Material', 'Gutters', '5 in K-Style Aluminum Gutter 10 ft', 'Amerimax', 'AMX-G5K-W10', 'pc', 'White 5 in K-style aluminum gutter, 10 ft length', 160000);
INSERT INTO costitem (ID, costtype, Cat, CostName, manufacturer, sku, Unit, Descrip, Amount) VALUES (49, 'Material', 'Gutters', '2 x 3 in Aluminum Downspout 10 ft', 'Amerimax', 'AMX-DS23-W10', 'pc', 'White 2 x 3 in aluminum downspout, 10 ft length', 142500);
INSERT INTO costitem (ID, costtype, Cat, CostName, manufacturer, sku, Unit, Descrip, Amount) VALUES (50, 'Material', 'Gutters', 'Hidden Gutter Hanger 5 in', 'Amerimax', 'AMX-HH5-10', 'box', 'Hidden hangers with screws, 10 per box', 185000);
INSERT INTO costitem (ID, costtype, Cat, CostName, manufacturer, sku, Unit, Descrip, Amount) VALUES (51, 'Material', 'Gutters', '5 in K-Style End Cap', 'Amerimax', 'AMX-EC5-W', 'ea', 'White aluminum end cap, left or right', 42500);

-- Hourly labor. Each rate's burdens are taken of the base rate alone: fringe 2%, workers' comp 45%,
-- employer taxes 7.65%, other 0%; each burden rounded to 3 decimals (half to even); the item's
-- amount is base + fringe + workers' comp + taxes + other.
-- Roofing Foreman: base 36.00 + fringe 0.720 + workers' comp 16.200 + taxes 2.754 + other 0.000 = 55.674
INSERT INTO costitem (ID, costtype, Cat, CostName, manufacturer, sku, Unit, Descrip, Amount) VALUES (52, 'Labor', 'Hourly', 'Roofing Foreman', NULL, NULL, 'hr', 'Crew lead; runs the job and the crew, answers to the owner', 556740);
INSERT INTO laborcost (costid, baserate, fringe, workcomp, taxes, other) VALUES (52, 360000, 7200, 162000, 27540, 0);
-- Journeyman Roofer: base 29.50 + fringe 0.590 + workers' comp 13.275 + taxes 2.257 + other 0.000 = 45.622
INSERT INTO costitem (ID, costtype, Cat, CostName, manufacturer, sku, Unit, Descrip, Amount) VALUES (53, 'Labor', 'Hourly', 'Journeyman Roofer', NULL, NULL, 'hr', 'Experienced installer: shingles, flashing, vents', 456220);
INSERT INTO laborcost (costid, baserate, fringe, workcomp, taxes, other) VALUES (53, 295000, 5900, 132750, 22570, 0);
-- Roofer Helper: base 21.00 + fringe 0.420 + workers' comp 9.450 + taxes 1.606 + other 0.000 = 32.476
INSERT INTO costitem (ID, costtype, Cat, CostName, manufacturer, sku, Unit, Descrip, Amount) VALUES (54, 'Labor', 'Hourly', 'Roofer Helper', NULL, NULL, 'hr', 'Tear-off, carrying, clean-up, helps install', 324760);
INSERT INTO laborcost (costid, baserate, fringe, workcomp, taxes, other) VALUES (54, 210000, 4200, 94500, 16060, 0);
-- Laborer: base 18.50 + fringe 0.370 + workers' comp 8.325 + taxes 1.415 + other 0.000 = 28.610
INSERT INTO costitem (ID, costtype, Cat, CostName, manufacturer, sku, Unit, Descrip, Amount) VALUES (55, 'Labor', 'Hourly', 'Laborer', NULL, NULL, 'hr', 'Ground work, loading, magnet sweep, clean-up', 286100);
INSERT INTO laborcost (costid, baserate, fringe, workcomp, taxes, other) VALUES (55, 185000, 3700, 83250, 14150, 0);
-- Gutter Installer: base 24.00 + fringe 0.480 + workers' comp 10.800 + taxes 1.836 + other 0.000 = 37.116
INSERT INTO costitem (ID, costtype, Cat, CostName, manufacturer, sku, Unit, Descrip, Amount) VALUES (56, 'Labor', 'Hourly', 'Gutter Installer', NULL, NULL, 'hr', 'Hangs gutters, downspouts and guards', 371160);
INSERT INTO laborcost (costid, baserate, fringe, workcomp, taxes, other) VALUES (56, 240000, 4800, 108000, 18360, 0);

-- Labor priced by the piece
INSERT INTO costitem (ID, costtype, Cat, CostName, manufacturer, sku, Unit, Descrip, Amount) VALUES (57, 'Labor', 'Tear Off', 'Tear Off 1 Layer Shingles', NULL, NULL, 'sq', 'Strip one layer of asphalt shingles and underlayment to the deck, load debris', 550000);
INSERT INTO costitem (ID, costtype, Cat, CostName, manufacturer, sku, Unit, Descrip, Amount) VALUES (58, 'Labor', 'Tear Off', 'Tear Off Each Additional Layer', NULL, NULL, 'sq', 'Each layer beyond the first, asphalt shingles', 300000);
INSERT INTO costitem (ID, costtype, Cat, CostName, manufacturer, sku, Unit, Descrip, Amount) VALUES (59, 'Labor', 'Repair', 'Shingle Repair Service Call', NULL, NULL, 'ea', 'Replace up to 10 damaged shingles or reseal a leak, one trip, minimum charge', 1850000);

-- Subcontracts
INSERT INTO costitem (ID, costtype, Cat, CostName, manufacturer, sku, Unit, Descrip, Amount) VALUES (60, 'SubCon', 'Gutters', 'Seamless Gutter Install 5 in K-Style', NULL, NULL, 'lf', 'Subcontract: seamless aluminum gutter formed on site, hidden hangers, per lineal foot', 115000);
INSERT INTO costitem (ID, costtype, Cat, CostName, manufacturer, sku, Unit, Descrip, Amount) VALUES (61, 'SubCon', 'Gutters', 'Downspout Install 2 x 3 in', NULL, NULL, 'lf', 'Subcontract: aluminum downspout with elbows and straps, per lineal foot', 90000);
INSERT INTO costitem (ID, costtype, Cat, CostName, manufacturer, sku, Unit, Descrip, Amount) VALUES (62, 'SubCon', 'Flashing', 'Chimney Flashing and Counter Flashing', NULL, NULL, 'ea', 'Subcontract: step, counter and cricket flashing on a chimney up to 32 in wide', 6500000);
INSERT INTO costitem (ID, costtype, Cat, CostName, manufacturer, sku, Unit, Descrip, Amount) VALUES (63, 'SubCon', 'Skylights', 'Skylight Replacement, Deck Mounted', NULL, NULL, 'ea', 'Subcontract: remove and replace a deck-mounted skylight with flashing kit, unit not included', 9500000);
INSERT INTO costitem (ID, costtype, Cat, CostName, manufacturer, sku, Unit, Descrip, Amount) VALUES (64, 'SubCon', 'Carpentry', 'Fascia Board Replacement', NULL, NULL, 'lf', 'Subcontract: remove rotted fascia, install 1 x 6 primed board, paint by others', 140000);
INSERT INTO costitem (ID, costtype, Cat, CostName, manufacturer, sku, Unit, Descrip, Amount) VALUES (65, 'SubCon', 'Carpentry', 'Carpenter, Hourly', NULL, NULL, 'hr', 'Subcontract carpenter for rafter, soffit and framing repair', 750000);

-- Equipment
INSERT INTO costitem (ID, costtype, Cat, CostName, manufacturer, sku, Unit, Descrip, Amount) VALUES (66, 'Equip', 'Dumpster', '30 Yard Dumpster', NULL, NULL, 'ea', 'Roll-off container, one drop and haul, 7 days, tonnage billed separately', 6500000);
INSERT INTO costitem (ID, costtype, Cat, CostName, manufacturer, sku, Unit, Descrip, Amount) VALUES (67, 'Equip', 'Dumpster', '20 Yard Dumpster', NULL, NULL, 'ea', 'Roll-off container, one drop and haul, 7 days, tonnage billed separately', 5250000);
INSERT INTO costitem (ID, costtype, Cat, CostName, manufacturer, sku, Unit, Descrip, Amount) VALUES (68, 'Equip', 'Lift', 'Material Lift / Conveyor', NULL, NULL, 'day', 'Shingle conveyor or ladder hoist rental, per day', 3750000);
INSERT INTO costitem (ID, costtype, Cat, CostName, manufacturer, sku, Unit, Descrip, Amount) VALUES (69, 'Equip', 'Safety', 'Roof Jacks and Planks', NULL, NULL, 'day', 'Roof jack and plank set rental, per day', 450000);
INSERT INTO costitem (ID, costtype, Cat, CostName, manufacturer, sku, Unit, Descrip, Amount) VALUES (70, 'Equip', 'Safety', 'Fall Protection Harness Kit', NULL, NULL, 'day', 'Harness, lanyard, rope grab and anchor rental, per day', 350000);

-- Fees
INSERT INTO costitem (ID, costtype, Cat, CostName, manufacturer, sku, Unit, Descrip, Amount) VALUES (71, 'Fee', 'Permit', 'Building Permit, Re-Roof', NULL, NULL, 'ea', 'Typical residential re-roof permit; check the local building department', 3500000);
INSERT INTO costitem (ID, costtype, Cat, CostName, manufacturer, sku, Unit, Descrip, Amount) VALUES (72, 'Fee', 'Disposal', 'Landfill Disposal Fee', NULL, NULL, 'ton', 'Tipping fee for asphalt shingle debris, per ton', 680000);
INSERT INTO costitem (ID, costtype, Cat, CostName, manufacturer, sku, Unit, Descrip, Amount) VALUES (73, 'Fee', 'Inspection', 'Final Roof Inspection Fee', NULL, NULL, 'ea', 'Municipal or third-party final inspection', 1500000);
INSERT INTO costitem (ID, costtype, Cat, CostName, manufacturer, sku, Unit, Descrip, Amount) VALUES (74, 'Fee', 'Permit', 'Dumpster Right-of-Way Permit', NULL, NULL, 'ea', 'Street placement permit for a roll-off container, where required', 750000);

-- Unit items and their components (component price = quantity x item amount)
INSERT INTO costunit (ID, MLName, MLCat, MLUnit, MLDesc) VALUES (1, 'Tear-off and replace, per square', 'Roofing', 'sq', 'Strip one layer, synthetic underlayment, architectural shingles, nails, crew hours and landfill share');
INSERT INTO unititems (matlaborid, itemid, itemqty) VALUES (1, 1, 3);  -- 3 bdl Timberline HDZ Architectural Shingle
INSERT INTO unititems (matlaborid, itemid, itemqty) VALUES (1, 16, 0.1);  -- 0.1 roll FeltBuster Synthetic Underlayment
INSERT INTO unititems (matlaborid, itemid, itemqty) VALUES (1, 38, 0.05);  -- 0.05 box Coil Roofing Nails 1-1/4 in
INSERT INTO unititems (matlaborid, itemid, itemqty) VALUES (1, 57, 1);  -- 1 sq Tear Off 1 Layer Shingles
INSERT INTO unititems (matlaborid, itemid, itemqty) VALUES (1, 53, 1.25);  -- 1.25 hr Journeyman Roofer
INSERT INTO unititems (matlaborid, itemid, itemqty) VALUES (1, 54, 1.25);  -- 1.25 hr Roofer Helper
INSERT INTO unititems (matlaborid, itemid, itemqty) VALUES (1, 52, 0.25);  -- 0.25 hr Roofing Foreman
INSERT INTO unititems (matlaborid, itemid, itemqty) VALUES (1, 72, 0.15);  -- 0.15 ton Landfill Disposal Fee
INSERT INTO costunit (ID, MLName, MLCat, MLUnit, MLDesc) VALUES (2, 'Ridge vent, per lf', 'Ventilation', 'lf', 'Cut the ridge slot, shingle-over ridge vent covered with hip and ridge cap');
INSERT INTO unititems (matlaborid, itemid, itemqty) VALUES (2, 34, 0.25);  -- 0.25 pc ShingleVent II Ridge Vent 4 ft
INSERT INTO unititems (matlaborid, itemid, itemqty) VALUES (2, 13, 0.04);  -- 0.04 bdl Seal-A-Ridge Hip and Ridge Cap
INSERT INTO unititems (matlaborid, itemid, itemqty) VALUES (2, 39, 0.005);  -- 0.005 box Coil Roofing Nails 1-3/4 in
INSERT INTO unititems (matlaborid, itemid, itemqty) VALUES (2, 53, 0.12);  -- 0.12 hr Journeyman Roofer
INSERT INTO costunit (ID, MLName, MLCat, MLUnit, MLDesc) VALUES (3, 'Re-deck with 7/16 OSB, per square', 'Decking', 'sq', 'Remove damaged boards, install 7/16 OSB with clips and ring shank nails');
INSERT INTO unititems (matlaborid, itemid, itemqty) VALUES (3, 44, 3.125);  -- 3.125 sheet OSB Roof Sheathing 7/16 in 4 x 8
INSERT INTO unititems (matlaborid, itemid, itemqty) VALUES (3, 47, 0.04);  -- 0.04 box Plywood Clips 7/16 in
INSERT INTO unititems (matlaborid, itemid, itemqty) VALUES (3, 41, 0.05);  -- 0.05 box 8d Ring Shank Coil Framing Nails
INSERT INTO unititems (matlaborid, itemid, itemqty) VALUES (3, 53, 0.75);  -- 0.75 hr Journeyman Roofer
INSERT INTO unititems (matlaborid, itemid, itemqty) VALUES (3, 54, 0.75);  -- 0.75 hr Roofer Helper
INSERT INTO costunit (ID, MLName, MLCat, MLUnit, MLDesc) VALUES (4, 'Pipe boot replacement, each', 'Flashing', 'ea', 'Remove the old boot, install a new no-calk boot, seal the nail heads');
INSERT INTO unititems (matlaborid, itemid, itemqty) VALUES (4, 30, 1);  -- 1 ea No-Calk Roof Flashing 1-1/2 to 3 in
INSERT INTO unititems (matlaborid, itemid, itemqty) VALUES (4, 42, 0.25);  -- 0.25 tube Geocel 2300 Roofing Sealant
INSERT INTO unititems (matlaborid, itemid, itemqty) VALUES (4, 38, 0.002);  -- 0.002 box Coil Roofing Nails 1-1/4 in
INSERT INTO unititems (matlaborid, itemid, itemqty) VALUES (4, 53, 0.5);  -- 0.5 hr Journeyman Roofer
INSERT INTO costunit (ID, MLName, MLCat, MLUnit, MLDesc) VALUES (5, 'Drip edge, per lf', 'Roofing', 'lf', 'Aluminum drip edge at eaves and rakes, nailed 12 in on center');
INSERT INTO unititems (matlaborid, itemid, itemqty) VALUES (5, 24, 0.1);  -- 0.1 pc Aluminum Drip Edge 10 ft, White
INSERT INTO unititems (matlaborid, itemid, itemqty) VALUES (5, 38, 0.002);  -- 0.002 box Coil Roofing Nails 1-1/4 in
INSERT INTO unititems (matlaborid, itemid, itemqty) VALUES (5, 53, 0.03);  -- 0.03 hr Journeyman Roofer
