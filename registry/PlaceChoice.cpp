#include "registry/PlaceChoice.h"

#include "core/Control.h"
#include "db/TDm.h"

namespace wy {

PlaceChoice::PlaceChoice(TDm& dm, Control& estates, Control& buildings, Control* entrances,
                         Control* floors, bool allItems, EntranceText entranceText)
    : dm_(dm),
      estates_(estates),
      buildings_(buildings),
      entrances_(entrances),
      floors_(floors),
      allItems_(allItems),
      entranceText_(entranceText) {}

qint64 PlaceChoice::key(const Control& c, const QVector<qint64>& keys) {
    const int i = c.itemIndex();
    return i >= 0 && i < keys.size() ? keys[i] : 0;
}

int PlaceChoice::index(const QVector<qint64>& keys, qint64 key) {
    return key == 0 ? -1 : int(keys.indexOf(key));
}

void PlaceChoice::fillEstates() {
    QStringList names;
    estateKeys_.clear();
    districts_.clear();
    for (const Row& r : dm_.rows("SELECT BH,XQMC,SZDQ FROM Tb_SYS_AREA ORDER BY BH")) {
        estateKeys_ << r.integer(0);
        names << r.text(1);
        districts_ << r.text(2);
    }
    estates_.setItems(names);
    estates_.setItemIndex(-1);
    buildings_.clearItems();
    buildingKeys_.clear();
    buildingChosen();
}

void PlaceChoice::estateChosen() {
    const QString shown = buildings_.text();
    QStringList names;
    buildingKeys_.clear();
    buildingSerials_.clear();
    for (const Row& r :
         dm_.rows("SELECT BH,LDXH,LDMC FROM Tb_SYS_XQLD WHERE XQBH=? ORDER BY BH", {estate()})) {
        buildingKeys_ << r.integer(0);
        buildingSerials_ << r.integer(1);
        names << r.text(2);
    }
    if (allItems_) {
        names << QStringLiteral("所有楼栋");
        buildingKeys_ << 0;
        buildingSerials_ << 0;
    }
    buildings_.setItems(names);
    buildings_.setItemIndex(shown.isEmpty() ? -1 : int(names.indexOf(shown)));
    buildingChosen();
}

void PlaceChoice::buildingChosen() {
    const qint64 b = building();
    if (entrances_) {
        QStringList names;
        entranceKeys_.clear();
        entranceSerials_.clear();
        if (b != 0)
            for (const Row& r : dm_.rows("SELECT BH,DYXH,DYBZ,DYBZ1 FROM Tb_SYS_DYTH WHERE LDBH=? "
                                         "ORDER BY BH",
                                         {b})) {
                entranceKeys_ << r.integer(0);
                entranceSerials_ << int(r.integer(1));
                const QString serial = r.text(1), number = r.text(2);
                switch (entranceText_) {
                    case EntranceText::Serial:
                        names << serial + QStringLiteral("单元");
                        break;
                    case EntranceText::Numbered:
                        names << number + (number == serial ? QStringLiteral("单元")
                                                            : QStringLiteral("座"));
                        break;
                    case EntranceText::Worded:
                        names << number + r.text(3);
                        break;
                }
            }
        if (allItems_) {
            names << QStringLiteral("所有单元");
            entranceKeys_ << 0;
            entranceSerials_ << 0;
        }
        entrances_->setItems(names);
        entrances_->setItemIndex(-1);
    }
    if (floors_) {
        QStringList names;
        floorKeys_.clear();
        floorSerials_.clear();
        if (b != 0)
            for (const Row& r :
                 dm_.rows("SELECT BH,LCXH FROM Tb_SYS_LCSX WHERE LDBH=? ORDER BY BH", {b})) {
                floorKeys_ << r.integer(0);
                floorSerials_ << int(r.integer(1));
                names << r.text(1) + QStringLiteral("层");
            }
        if (allItems_) {
            names << QStringLiteral("所有楼层");
            floorKeys_ << 0;
            floorSerials_ << 0;
        }
        floors_->setItems(names);
        floors_->setItemIndex(-1);
    }
}

bool PlaceChoice::allBuildings() const {
    return allItems_ && buildings_.itemIndex() == buildings_.items().size() - 1;
}

QString PlaceChoice::district() const {
    const int i = estates_.itemIndex();
    return i >= 0 && i < districts_.size() ? districts_[i] : QString();
}

qint64 PlaceChoice::buildingSerial() const {
    const int i = buildings_.itemIndex();
    return i >= 0 && i < buildingSerials_.size() ? buildingSerials_[i] : 0;
}

int PlaceChoice::entranceSerial() const {
    const int i = entrances_ ? entrances_->itemIndex() : -1;
    return i >= 0 && i < entranceSerials_.size() ? entranceSerials_[i] : 0;
}

int PlaceChoice::floorSerial() const {
    const int i = floors_ ? floors_->itemIndex() : -1;
    return i >= 0 && i < floorSerials_.size() ? floorSerials_[i] : 0;
}

void PlaceChoice::select(qint64 estate, qint64 building, qint64 entrance, qint64 floor) {
    estates_.setItemIndex(index(estateKeys_, estate));
    buildings_.clearItems();
    estateChosen();
    buildings_.setItemIndex(index(buildingKeys_, building));
    buildingChosen();
    if (entrances_) entrances_->setItemIndex(index(entranceKeys_, entrance));
    if (floors_) floors_->setItemIndex(index(floorKeys_, floor));
}

QString PlaceChoice::condition() const {
    if (estate() == 0) return {};
    QString c = QStringLiteral("(XQBH=%1)").arg(estate());
    if (building() != 0) c += QStringLiteral(" And (LDBH=%1)").arg(building());
    if (entrance() != 0) c += QStringLiteral(" And (DYBH=%1)").arg(entrance());
    if (floor() != 0) c += QStringLiteral(" And (LCBH=%1)").arg(floor());
    return c;
}

}  // namespace wy
