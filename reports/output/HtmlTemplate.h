#pragma once
// Fills the HTML layouts shipped with the program: ${name} takes a value (HTML-escaped), and a
// block between <!--rows:NAME--> and <!--end:NAME--> is repeated once per row of that name,
// each copy filled with the row's values (falling back to the page's values).
#include <QHash>
#include <QString>
#include <QVector>

namespace wy {

using TemplateValues = QHash<QString, QString>;
using TemplateRows = QHash<QString, QVector<TemplateValues>>;

// A placeholder without a value is an error in the layout: it throws std::runtime_error naming
// the placeholder.
QString fillTemplate(const QString& html, const TemplateValues& values,
                     const TemplateRows& rows = {});

}  // namespace wy
