#pragma once
namespace wy {
class TDm;
// The administrator's initialisation: empties the house and fee data (and the demonstration
// office with it) in one transaction; operators, rights, lists and settings stay.
void initSystem(TDm& dm);
}  // namespace wy
