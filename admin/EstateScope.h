#pragma once
// The estates an operator may query. Every query window that offers an estate list or reads
// rows by estate goes through this one piece: the administrator sees every estate; any other
// operator only the estates ticked for him in the rights window (rows of Tb_SYS_GLY_Trant
// with AREAID above 0).
#include <QString>

#include "db/TDm.h"

namespace wy {

class Shell;
struct LoginContext;

class EstateScope {
public:
    EstateScope(TDm& dm, const LoginContext& login);

    // The estate list a query window offers: BH and XQMC, in key order.
    const Rows& estates() const { return estates_; }
    bool isEmpty() const { return estates_.isEmpty(); }

    // The condition a result statement appends, " AND (XQBH IN (...)) " with the operator's
    // number quoted; empty for the administrator. `column` names the estate key of the result
    // (a joined statement may need "A.XQBH").
    QString condition(const QString& column = QStringLiteral("XQBH")) const;

    // Before a result is read: false, after telling the person, when an operator other than the
    // administrator has no estate he may query.
    bool allowsQuery(Shell& shell) const;

    static QString listStatement(const LoginContext& login);
    static const QString kNoEstate;

private:
    QString operatorNo_;
    bool administrator_ = false;
    Rows estates_;
};

}  // namespace wy
