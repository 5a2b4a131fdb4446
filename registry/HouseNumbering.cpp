#include "registry/HouseNumbering.h"

namespace wy {

namespace {
// Positions below ten get a leading zero, so that floor 3 position 4 reads 304.
QString padded(int n) {
    return (n < 10 ? QStringLiteral("0") : QString()) + QString::number(n);
}
}  // namespace

HouseNumber numberHouse(NumberingRule rule, const QString& prefix, const HousePlace& p) {
    const QString lead = prefix.isEmpty() ? QString() : prefix + '-';
    const QString floor = QString::number(p.floor);
    HouseNumber h;
    if (rule == NumberingRule::RunningNumber) {
        // The position's running number within the entrance, counted across the floors.
        const int serial = p.positionsPerFloor * (p.floor - 1) + p.position;
        h.number = lead + p.building + '0' + QString::number(p.entrance) + padded(serial);
        h.name = p.building + QStringLiteral("栋") + QString::number(p.entrance) + padded(serial);
    } else {
        h.number = lead + p.building + '-' + QString::number(p.entrance) + '-' + floor +
                   padded(p.position);
        h.name = p.building + QStringLiteral("栋") + p.entranceNumber + p.entranceWord + floor +
                 padded(p.position);
    }
    h.systemCode = QString::number(p.estate) + '-' + p.building + '-' +
                   QString::number(p.entrance) + '-' + floor + padded(p.position);
    return h;
}

}  // namespace wy
