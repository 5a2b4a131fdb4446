#pragma once
// The first four steps of the house wizard for one building: its floors, entrances and door
// positions in three grids (stored rows, or proposed rows while none are stored), saving each
// grid, and the readiness report before generation.
#include <QString>
#include <QVector>

namespace wy {

class Control;
class TDm;

struct LayoutBuilding {
    qint64 estate = 0;    // BH of the estate
    qint64 building = 0;  // BH of the building
    QString estateName, buildingName;
    int floors = 0;     // LDCS
    int entrances = 0;  // LDDYS
    bool generated = false;
};

// The three layout grids and the rows' keys (BH of each stored row; 0 for a proposed row).
enum class LayoutGrid { Floors, Entrances, Positions };

// Headers, widths and empty data rows of a layout grid.
void setUpLayoutGrid(Control& grid, LayoutGrid which);
// Which cells a person may edit: all of them (the door positions from the fourth column on)
// while the building is not generated, only the remark column once it is.
void setLayoutEditable(Control& grid, LayoutGrid which, bool generated);
// Fills the grid from the stored rows or, when there are none, with proposed rows. Returns
// whether the rows are proposals (not stored yet).
bool loadLayout(TDm& dm, Control& grid, LayoutGrid which, const LayoutBuilding& b,
                QVector<qint64>& keys);
// Replaces the building's rows by the grid's rows (those whose first cell is not empty).
// Saving the entrances also deletes the door positions, which refer to them. Runs inside the
// caller's transaction; throws CellError for a cell that does not fit its column.
void saveLayout(TDm& dm, const Control& grid, LayoutGrid which, const LayoutBuilding& b);
// Writes only the remarks of stored rows (a generated building's layout is frozen otherwise).
void saveLayoutRemarks(TDm& dm, const Control& grid, LayoutGrid which, const QVector<qint64>& keys);
// The text of step 4: what is laid out against what the building needs, and the verdict.
QString readinessReport(TDm& dm, const LayoutBuilding& b);

}  // namespace wy
