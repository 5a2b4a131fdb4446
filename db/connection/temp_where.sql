-- Temp_Where: the house range of one query run, written by the range picker (condition rows,
-- Flag 0) and by the statistics wizards (grouping rows, Flag 1). A TEMP table, made on every new
-- connection, so each workstation keeps its own rows. XH is assigned in insertion order.
CREATE TEMP TABLE IF NOT EXISTS Temp_Where (
  XH INTEGER PRIMARY KEY,
  FYH INTEGER,
  TJ VARCHAR(200),
  BZ VARCHAR(100) DEFAULT '',
  Flag INTEGER DEFAULT 0
);
