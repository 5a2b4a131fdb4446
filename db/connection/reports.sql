-- The receipt scratch tables, made on every new connection: each workstation fills and prints
-- its own receipt lines and header, so two cashiers printing at once never see each other's.
-- The names and columns are those the receipt layouts read.

-- Receipt lines: L1 fee item, L2 unit, L3 summary, N1 unit price, N2 amount, N3/N4 previous and
-- current reading, N5 consumption, N7 1 for a metered line.
CREATE TEMP TABLE IF NOT EXISTS tb_bill (
  L1 VARCHAR(100),
  L2 VARCHAR(50),
  L3 VARCHAR(200),
  L4 VARCHAR(100),
  L5 VARCHAR(100),
  N1 DOUBLE PRECISION,
  N2 DOUBLE PRECISION,
  N3 DOUBLE PRECISION,
  N4 DOUBLE PRECISION,
  N5 DOUBLE PRECISION,
  N6 DOUBLE PRECISION,
  N7 DOUBLE PRECISION,
  Id INTEGER
);

-- The receipt header: one row of texts (Line11 and Line18 are never written).
CREATE TEMP TABLE IF NOT EXISTS temp_report (
  Line1 VARCHAR(200),
  Line2 VARCHAR(200),
  Line3 VARCHAR(200),
  Line4 VARCHAR(200),
  Line5 VARCHAR(200),
  Line6 VARCHAR(200),
  Line7 VARCHAR(200),
  Line8 VARCHAR(200),
  Line9 VARCHAR(200),
  Line10 VARCHAR(200),
  Line11 VARCHAR(200),
  Line12 VARCHAR(200),
  Line13 VARCHAR(200),
  Line14 VARCHAR(200),
  Line15 VARCHAR(200),
  Line16 VARCHAR(200),
  Line17 VARCHAR(200),
  Line18 VARCHAR(200),
  Line19 TEXT
);
