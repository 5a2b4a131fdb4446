#pragma once
// The standard house order of every house list and picker: shorter house numbers first, then
// nature, building, entrance and number, so that 1-2-302 comes before 1-2-1101 although it is
// greater as text.
#include <QString>

namespace wy {

// The ordering terms, for an "Order By" clause. With an alias ("F") each column is qualified
// with it, for statements that join houses to other tables.
QString houseOrder(const QString& alias = {});

}  // namespace wy
