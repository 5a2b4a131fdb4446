#include "admin/EstateScope.h"

#include "core/Session.h"
#include "core/Shell.h"

namespace wy {

const QString EstateScope::kNoEstate = QStringLiteral("无小区查询权限:请联系管理员");

namespace {
// The estate keys ticked for an operator; the number is quoted, never pasted raw.
QString permittedKeys(const QString& operatorNo) {
    return "Select COALESCE(AREAID,0) From Tb_SYS_GLY_Trant Where GH=" + sqlQuote(operatorNo) +
           " AND COALESCE(AREAID,0)>0 ";
}
}  // namespace

EstateScope::EstateScope(TDm& dm, const LoginContext& login)
    : operatorNo_(login.OperatorNo.trimmed()), administrator_(login.isAdministrator()) {
    estates_ = dm.rows(listStatement(login));
}

QString EstateScope::listStatement(const LoginContext& login) {
    QString sql = QStringLiteral("Select BH,XQMC From Tb_SYS_AREA ");
    if (!login.isAdministrator())
        sql += "WHERE (BH IN (" + permittedKeys(login.OperatorNo.trimmed()) + ")) ";
    return sql + "Order By BH";
}

QString EstateScope::condition(const QString& column) const {
    if (administrator_) return {};
    return " AND (" + column + " IN (" + permittedKeys(operatorNo_) + ")) ";
}

bool EstateScope::allowsQuery(Shell& shell) const {
    if (administrator_ || !isEmpty()) return true;
    shell.message(kNoEstate, QStringLiteral("提示"), Icon::Info);
    return false;
}

}  // namespace wy
