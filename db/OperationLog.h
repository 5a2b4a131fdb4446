#pragma once
// The operation log (Tb_SYS_LOG): one line per logged command, written the one way every
// window that logs uses. The monitor window lists the lines by kind.
#include <QString>

namespace wy {

struct Context;

enum class LogKind {
    FeeChange,     // manual fee changes: discounts, adjustments, charging, rent (kind NULL)
    Login,         // a login record, with the operator's name (kind 1)
    MeterReading,  // a reset meter reading (kind 3)
};

// Writes one log line dated today. Inside the caller's transaction it is part of it, so a
// command that rolls back leaves no line behind.
void writeLog(Context& ctx, const QString& text, LogKind kind);

}  // namespace wy
