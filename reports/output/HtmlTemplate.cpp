#include "reports/output/HtmlTemplate.h"

#include <QRegularExpression>
#include <stdexcept>

namespace wy {

namespace {

QString fillValues(const QString& html, const TemplateValues& own, const TemplateValues& page) {
    static const QRegularExpression placeholder(QStringLiteral("\\$\\{([A-Za-z0-9_]+)\\}"));
    QString out;
    qsizetype at = 0;
    for (auto it = placeholder.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        const QString name = m.captured(1);
        const QString* v = nullptr;
        if (auto o = own.constFind(name); o != own.constEnd())
            v = &*o;
        else if (auto p = page.constFind(name); p != page.constEnd())
            v = &*p;
        if (!v)
            throw std::runtime_error("layout placeholder without a value: " + name.toStdString());
        out += QStringView(html).mid(at, m.capturedStart() - at);
        out += v->toHtmlEscaped();
        at = m.capturedEnd();
    }
    out += QStringView(html).mid(at);
    return out;
}

}  // namespace

QString fillTemplate(const QString& html, const TemplateValues& values, const TemplateRows& rows) {
    static const QRegularExpression block(
        QStringLiteral("<!--rows:([A-Za-z0-9_]+)-->(.*?)<!--end:\\1-->"),
        QRegularExpression::DotMatchesEverythingOption);
    QString out;
    qsizetype at = 0;
    for (auto it = block.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        out += fillValues(html.mid(at, m.capturedStart() - at), {}, values);
        const QString body = m.captured(2);
        for (const TemplateValues& row : rows.value(m.captured(1)))
            out += fillValues(body, row, values);
        at = m.capturedEnd();
    }
    out += fillValues(html.mid(at), {}, values);
    return out;
}

}  // namespace wy
