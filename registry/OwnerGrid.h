#pragma once
// Step 5 of the house wizard: every house of a building (or of an estate) with its owner in one
// grid, typed or pasted from a spreadsheet, and saved as the houses' data and new owner records.
#include <QString>

namespace wy {

class Control;
class TDm;

// Grid columns (Uvw_FY_KH: BH, KHBH, FYBH, FYMC, JZMJ, SYMJ, FYFX, FYZT, KHXM, RZRS, XB, MZ,
// CSRQ, ZJBH, DHHM, SJHM, DZ, YB, JG, ZY, HTBH, RZRQ, ZZRQ).
namespace OwnerCol {
enum {
    House,
    Owner,
    Number,
    Name,
    Built,
    Charged,
    Nature,
    State,
    OwnerName,
    Residents,
    Sex,
    Nation,
    Birthday,
    IdCard,
    Phone,
    Mobile,
    Address,
    Postcode,
    Native,
    Work,
    Garage,
    MoveIn,
    Deal,
    Count
};
}

void setUpOwnerGrid(Control& grid);
// The houses of the estate, of one building unless building is 0, in the standard house order,
// followed by two empty rows.
void loadOwners(TDm& dm, Control& grid, qint64 estate, qint64 building);

// A block copied from a spreadsheet: each line is a house number and thirteen owner cells.
// Lines are handled in order; a line without exactly 14 cells stops the paste (the lines before
// it keep their values). Returns false when it stopped.
inline constexpr int kPasteColumns = 14;
bool pasteOwners(Control& grid, const QString& text);

// Writes every row that holds a house: the house's own columns, and its owner record made anew
// (a row without a name leaves the house without owner). Runs inside the caller's transaction;
// throws CellError for a cell that does not fit its column.
void saveOwners(TDm& dm, const Control& grid);

}  // namespace wy
