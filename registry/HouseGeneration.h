#pragma once
// Batch generation of a building's houses from its floors and door positions, and clearing
// them again. Both run inside the caller's transaction.
#include <QString>
#include <functional>

#include "registry/HouseNumbering.h"

namespace wy {

class TDm;

// Called after each house with the count so far; returns false to stop (the caller rolls back).
using GenerationProgress = std::function<bool(int done)>;

// How many houses the building's layout gives: floors × door positions of all its entrances.
int plannedHouses(TDm& dm, qint64 building);

// Inserts one house per floor and door position, numbered by the rule (1 to 3), and marks the
// building generated. Returns the number of houses, or -1 when the progress callback stopped
// the work. Throws DbError.
int generateHouses(TDm& dm, qint64 building, NumberingRule rule, const QString& prefix,
                   const GenerationProgress& progress = {});

// Marks the building not generated (the caller deletes its houses through deleteHouses).
void markNotGenerated(TDm& dm, qint64 building);

}  // namespace wy
