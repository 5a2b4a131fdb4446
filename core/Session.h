#pragma once
// The logged-in operator and the services every window reaches.
#include <QDateTime>
#include <QString>
#include <functional>

namespace wy {

class TDm;
class Shell;

// Who is logged in; filled by the login and held for the whole run.
struct LoginContext {
    QString OperatorNo;
    QString OperatorName;
    QString OperatorPassword;
    QString LoginDate;  // "YYYY-MM-DD"
    QString LoginTime;  // "hh:mm:ss"
    QString ExitTime;
    qint64 AccessLevel = 0;

    bool isAdministrator() const { return OperatorNo == QLatin1String("SYSTEM"); }
};

inline const QString kAdministrator = QStringLiteral("SYSTEM");

// Everything a window needs from the program: the database, the person, the operator, the clock.
struct Context {
    TDm& dm;
    Shell& shell;
    LoginContext login;
    // The clock; tests set a fixed one.
    std::function<QDateTime()> now = [] { return QDateTime::currentDateTime(); };
    QString programPath;  // the executable, for restarting and bundled files

    QString today() const { return now().date().toString("yyyy-MM-dd"); }
    QString timeNow() const { return now().time().toString("hh:mm:ss"); }

    // The administrator, logged in now with full rights: for tools and benchmarks that open
    // windows without the login window.
    void logInAsAdministrator() {
        login = {kAdministrator,
                 QStringLiteral("系统管理员"),
                 QString(),
                 today(),
                 timeNow(),
                 timeNow(),
                 4};
    }
};

}  // namespace wy
