#pragma once
// Temp_Where: the house range of a query run. Each connection has its own rows (a TEMP table
// made by db/connection/temp_where.sql). The range picker writes one condition row (Flag 0) per
// excluded house; the query wizards turn them into their house condition here.
#include <QString>

namespace wy {

class TDm;

// "(FYH In (Select BH From Uvw_FYXX Where (BH<>7) And (BH<>9)))" from the condition rows in the
// order they were written; empty when no house is excluded.
QString excludedHousesCondition(TDm& dm);

}  // namespace wy
