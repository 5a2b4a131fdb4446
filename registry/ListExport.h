#pragma once
// The spreadsheet export of the house and owner lists: every row but the total row, every
// column but the hidden key. (Hands the list to the report framework's list export.)
namespace wy {

class Control;
class Window;

void exportHouseList(Window& window, const Control& list);

}  // namespace wy
