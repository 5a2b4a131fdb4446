#include "ui/ViewRegistry.h"

#include <QStringList>
#include <map>

namespace wy::ui {

namespace {
std::map<QString, ViewBuilder>& views() {
    static std::map<QString, ViewBuilder> v;
    return v;
}
}  // namespace

void registerView(const QString& className, ViewBuilder builder) {
    views()[className] = std::move(builder);
}

ViewBuilder viewFor(const QString& className) {
    auto it = views().find(className);
    return it == views().end() ? ViewBuilder() : it->second;
}

QStringList registeredViews() {
    QStringList names;
    for (const auto& [n, b] : views()) names << n;
    return names;
}

}  // namespace wy::ui
