#include "tests/FileReaders.h"

#include <QProcess>
#include <QStringList>
#include <QXmlStreamReader>
#include <stdexcept>

namespace wy::test {

namespace {

QByteArray run(const QString& program, const QStringList& args) {
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        throw std::runtime_error(QString(program + " " + args.join(' ') +
                                         " failed: " + QString::fromUtf8(p.readAllStandardError()))
                                     .toStdString());
    return p.readAllStandardOutput();
}

QStringList sharedStrings(const QString& xlsx) {
    QStringList out;
    QXmlStreamReader xml(run("unzip", {"-p", xlsx, "xl/sharedStrings.xml"}));
    QString current;
    bool inItem = false;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == u"si") {
            inItem = true;
            current.clear();
        } else if (xml.isStartElement() && xml.name() == u"t" && inItem) {
            current += xml.readElementText();
        } else if (xml.isEndElement() && xml.name() == u"si") {
            out << current;
            inItem = false;
        }
    }
    return out;
}

}  // namespace

QMap<QString, SheetCell> readFirstSheet(const QString& xlsx) {
    const QStringList strings = sharedStrings(xlsx);
    QMap<QString, SheetCell> cells;
    QXmlStreamReader xml(run("unzip", {"-p", xlsx, "xl/worksheets/sheet1.xml"}));
    QString ref, type;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == u"c") {
            ref = xml.attributes().value("r").toString();
            type = xml.attributes().value("t").toString();
        } else if (xml.isStartElement() && xml.name() == u"v") {
            const QString v = xml.readElementText();
            if (type == "s")
                cells[ref] = {strings.value(v.toInt()), false};
            else
                cells[ref] = {v, type.isEmpty() || type == "n"};
        }
    }
    if (xml.hasError()) throw std::runtime_error(xml.errorString().toStdString());
    return cells;
}

QString pdfText(const QString& pdf) {
    return QString::fromUtf8(run("pdftotext", {"-layout", pdf, "-"}));
}

}  // namespace wy::test
