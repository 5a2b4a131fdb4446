#include "registry/PlaceCascade.h"

#include "db/TDm.h"

namespace wy {

PlaceCascade::PlaceCascade(TDm& dm, Control& estates, Control* buildings, Control* entrances,
                           Control* floors, Options options)
    : dm_(dm),
      estateList_(&estates),
      buildingList_(buildings),
      entranceList_(entrances),
      floorList_(floors),
      options_(options) {}

void PlaceCascade::wire(const ChangeBinder& bindChange, std::function<void(PlaceLevel)> changed) {
    changed_ = std::move(changed);
    auto report = [this](PlaceLevel level) {
        if (changed_) changed_(level);
    };
    bindChange(*estateList_, [this, report] {
        estateChanged();
        report(PlaceLevel::Estate);
    });
    if (buildingList_)
        bindChange(*buildingList_, [this, report] {
            buildingChanged();
            report(PlaceLevel::Building);
        });
    if (entranceList_) bindChange(*entranceList_, [report] { report(PlaceLevel::Entrance); });
    if (floorList_) bindChange(*floorList_, [report] { report(PlaceLevel::Floor); });
}

const PlaceCascade::Item& PlaceCascade::itemOf(const Items& items, const Control* c) {
    static const Item none;
    const int i = c ? c->itemIndex() : -1;
    return i >= 0 && i < int(items.size()) ? items[i] : none;
}

void PlaceCascade::setList(Control* list, Items& target, Items items, const QString& allItem) {
    if (!list) return;
    if (options_.allItems && !allItem.isEmpty()) items.push_back({0, 0, allItem, {}});
    QStringList labels;
    for (const Item& i : items) labels << i.label;
    target = std::move(items);
    list->beginUpdate();
    list->clearItems();
    list->setItems(labels);
    list->endUpdate();
}

void PlaceCascade::fillEstates() {
    Items items;
    for (const Row& r : dm_.rows("Select BH,XQMC,SZDQ From Tb_SYS_AREA Order BY BH"))
        items.push_back({r.integer("BH"), 0, r.text("XQMC"), r.text("SZDQ")});
    setList(estateList_, estateItems_, std::move(items), {});
    setList(buildingList_, buildingItems_, {}, {});
    setList(entranceList_, entranceItems_, {}, {});
    setList(floorList_, floorItems_, {}, {});
}

void PlaceCascade::fillBuildings() {
    Items items;
    const qint64 estate = estateKey();
    if (estate != 0)
        for (const Row& r :
             dm_.rows("Select BH,LDXH,LDMC From Tb_SYS_XQLD WHERE XQBH=? Order BY BH", {estate}))
            items.push_back({r.integer("BH"), r.integer("LDXH"), r.text("LDMC"), {}});
    setList(buildingList_, buildingItems_, std::move(items),
            estate != 0 ? QStringLiteral("所有楼栋") : QString());
}

void PlaceCascade::fillEntrances(qint64 building) {
    Items items;
    for (const Row& r : dm_.rows(
             "Select BH,DYXH,DYBZ,DYBZ1 From Tb_SYS_DYTH WHERE LDBH=? Order BY BH", {building})) {
        const qint64 serial = r.integer("DYXH");
        QString label;
        switch (options_.entranceLabel) {
            case EntranceLabel::Serial:
                label = QString::number(serial) + QStringLiteral("单元");
                break;
            case EntranceLabel::NumberOrBlock:
                label = r.text("DYBZ") + (r.text("DYBZ") == QString::number(serial)
                                              ? QStringLiteral("单元")
                                              : QStringLiteral("座"));
                break;
            case EntranceLabel::NumberAndWord:
                label = r.text("DYBZ") + r.text("DYBZ1");
                break;
        }
        items.push_back({r.integer("BH"), serial, label, {}});
    }
    setList(entranceList_, entranceItems_, std::move(items), QStringLiteral("所有单元"));
}

void PlaceCascade::fillFloors(qint64 building) {
    Items items;
    for (const Row& r :
         dm_.rows("Select BH,LCXH From Tb_SYS_LCSX WHERE LDBH=? Order BY BH", {building}))
        items.push_back(
            {r.integer("BH"), r.integer("LCXH"), r.text("LCXH") + QStringLiteral("层"), {}});
    setList(floorList_, floorItems_, std::move(items), QStringLiteral("所有楼层"));
}

void PlaceCascade::fillLowerLevels() {
    const qint64 building = buildingKey();
    if (building == 0) {
        setList(entranceList_, entranceItems_, {}, {});
        setList(floorList_, floorItems_, {}, {});
        return;
    }
    fillEntrances(building);
    fillFloors(building);
}

void PlaceCascade::estateChanged() {
    // The same building name is chosen again in the new estate when it has one; the entrances
    // and floors then follow that building (never those of the building in the old estate).
    const QString shown = buildingList_ ? buildingList_->text() : QString();
    fillBuildings();
    if (buildingList_ && !shown.isEmpty()) buildingList_->selectText(shown);
    fillLowerLevels();
}

void PlaceCascade::buildingChanged() {
    fillLowerLevels();
}

QString PlaceCascade::condition() const {
    const qint64 estate = estateKey();
    if (estate == 0) return {};
    QString c = "(XQBH=" + QString::number(estate) + ")";
    auto term = [&c](const char* column, qint64 key) {
        if (key != 0) c += QString(" And (") + column + "=" + QString::number(key) + ")";
    };
    term("LDBH", buildingKey());
    term("DYBH", entranceKey());
    term("LCBH", floorKey());
    return c;
}

QString PlaceCascade::houseCondition() const {
    const QString c = condition();
    return c.isEmpty() ? QString() : "(FYH In (Select BH From Uvw_FYXX Where " + c + "))";
}

}  // namespace wy
