#include "tests/ScenarioRunner.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>

#include "app/StartUp.h"
#include "tests/TestDb.h"
#include "tests/TestShell.h"

namespace wy::test {

namespace {

QStringList tokenize(const QString& line, int lineNo) {
    QStringList out;
    int i = 0;
    while (i < line.size()) {
        if (line[i].isSpace()) {
            ++i;
            continue;
        }
        QString tok;
        if (line[i] == '"') {
            ++i;
            while (i < line.size() && line[i] != '"') {
                if (line[i] == '\\' && i + 1 < line.size()) {
                    QChar n = line[i + 1];
                    tok += n == 'n'   ? QChar('\n')
                           : n == 'r' ? QChar('\r')
                           : n == 't' ? QChar('\t')
                                      : n;
                    i += 2;
                    continue;
                }
                tok += line[i++];
            }
            if (i >= line.size())
                throw ScenarioFailure{QString("unclosed quote on line %1").arg(lineNo)};
            ++i;
            out << tok;
            continue;
        }
        while (i < line.size() && !line[i].isSpace()) tok += line[i++];
        out << tok;
    }
    return out;
}

class Runner {
public:
    explicit Runner(const Scenario& s) : scenario_(s) {}

    ScenarioResult run() {
        ScenarioResult result{scenario_.name, scenario_.file, scenario_.firstLine, {}};
        try {
            try {
                while (next_ < scenario_.lines.size()) step();
            } catch (const ScriptEnded&) {
            }
            if (!shell_.answers.empty())
                fail("answers never asked for: " +
                     QStringList(shell_.answers.begin(), shell_.answers.end()).join(", "));
            if (!shell_.messages.empty())
                fail("message not expected: " + shell_.messages.front().text);
        } catch (const ScenarioFailure& f) {
            result.line = line_;
            result.failure = f.text;
        } catch (const std::exception& e) {
            result.line = line_;
            result.failure = QString("error: ") + e.what();
        }
        return result;
    }

private:
    [[noreturn]] void fail(const QString& text) { throw ScenarioFailure{text}; }

    void ensureDb() {
        if (db_) return;
        db_ = std::make_unique<TestDb>(demo_);
        ctx_ = std::make_unique<Context>(Context{db_->dm(), shell_, {}});
        ctx_->now = [this] { return clock_; };
        shell_.play = [this](Window& w) { playUntilClosed(w); };
    }

    void playUntilClosed(Window& w) {
        while (!w.isClosed()) {
            if (next_ >= scenario_.lines.size()) throw ScriptEnded{};
            step();
        }
    }

    Window& top() {
        Window* w = shell_.top();
        if (!w) fail("no window is open");
        return *w;
    }

    Control& ctrl(const QString& name) {
        Control* c = top().find(name);
        if (!c) fail(top().className() + " has no control " + name);
        return *c;
    }

    void fireOn(Control& c, Event e, EventArgs args = {}) {
        if (!c.visible()) fail(c.name() + " is hidden");
        if (!c.enabled()) fail(c.name() + " is disabled");
        c.owner()->fire(c.name(), e, args);
    }

    void need(const QStringList& t, int n) {
        if (t.size() < n) fail("too few words for " + t.value(0));
    }

    QString property(Control& c, const QString& prop) {
        const QStringList p = prop.split('.');
        const QString key = p[0].toLower();
        auto b = [](bool v) { return QString(v ? "true" : "false"); };
        if (key.isEmpty() || key == "value") return c.value();
        if (key == "text") return c.text();
        if (key == "caption") return c.caption();
        if (key == "enabled") return b(c.enabled());
        if (key == "visible") return b(c.visible());
        if (key == "readonly") return b(c.readOnly());
        if (key == "checked") return b(c.checked());
        if (key == "itemindex") return QString::number(c.itemIndex());
        if (key == "items") return c.items().join('|');
        if (key == "item") return c.item(p.value(1).toInt());
        if (key == "rowcount") return QString::number(c.rowCount());
        if (key == "colcount") return QString::number(c.colCount());
        if (key == "row") return QString::number(c.row());
        if (key == "cell") return c.cell(p.value(1).toInt(), p.value(2).toInt());
        if (key == "rowchecked") return b(c.rowChecked(p.value(1).toInt()));
        if (key == "colwidth") return QString::number(c.colWidth(p.value(1).toInt()));
        if (key == "hint") return c.hint();
        if (key == "tag") return QString::number(c.tag());
        if (key == "maxlength") return QString::number(c.maxLength());
        if (key == "focus") return b(c.owner()->focused() == &c);
        if (key == "headers") return c.headers().join('|');
        if (key == "fixedcols") return QString::number(c.fixedCols());
        if (key == "line") return c.text().split('\n').value(p.value(1).toInt());
        fail("unknown property " + prop);
    }

    QString sqlResult(const QString& sql) {
        QStringList rows;
        for (const Row& r : ctx_->dm.rows(sql)) {
            QStringList cells;
            for (int i = 0; i < r.size(); ++i) cells << r.raw(i);
            rows << cells.join(',');
        }
        return rows.join('|');
    }

    void expectEqual(const QString& what, const QString& actual, const QString& wanted) {
        if (actual != wanted) fail(what + ": got \"" + actual + "\", expected \"" + wanted + "\"");
    }

    void expect(const QStringList& t) {
        need(t, 2);
        const QString what = t[1];
        if (what == "message") {
            need(t, 3);
            if (shell_.messages.empty()) fail("no message was shown; expected \"" + t[2] + "\"");
            ShownMessage m = shell_.messages.front();
            shell_.messages.pop_front();
            expectEqual("message", m.text, t[2]);
            if (t.size() >= 5 && t[3] == "caption") expectEqual("caption", m.caption, t[4]);
            return;
        }
        if (what == "no") {
            need(t, 3);
            if (t[2] == "message") {
                if (!shell_.messages.empty())
                    fail("message shown: " + shell_.messages.front().text);
            } else if (t[2] == "window") {
                if (shell_.top()) fail("window still open: " + shell_.top()->className());
            } else {
                fail("expect no what?");
            }
            return;
        }
        if (what == "window") {
            need(t, 3);
            expectEqual("window", shell_.top() ? shell_.top()->className() : "(none)", t[2]);
            return;
        }
        if (what == "sql") {
            need(t, 4);
            ensureDb();
            expectEqual(t[2], sqlResult(t[2]), t[3]);
            return;
        }
        if (what == "url") {
            need(t, 3);
            if (!shell_.urls.contains(t[2]))
                fail("not opened: " + t[2] + " (opened: " + shell_.urls.join(", ") + ")");
            return;
        }
        if (what == "restarted") {
            if (!shell_.restartCalled) fail("the program did not restart");
            return;
        }
        if (what == "quit") {
            if (!shell_.quitCalled) fail("the program did not end");
            return;
        }
        if (what == "progress") {
            need(t, 3);
            for (const auto& [title, maximum] : shell_.progressShown)
                if (title == t[2]) return;
            fail("no progress was shown: " + t[2]);
        }
        if (what == "printed") {
            need(t, 3);
            if (shell_.printed.empty()) fail("nothing was printed");
            if (!shell_.printed.back().html.contains(t[2]))
                fail("the printed layout lacks " + t[2]);
            return;
        }
        need(t, 3);
        const QString name = what.section('.', 0, 0);
        const QString prop = what.section('.', 1);
        expectEqual(what, property(ctrl(name), prop), t[2]);
    }

    void step() {
        const auto& [lineNo, text] = scenario_.lines[next_++];
        line_ = lineNo;
        QStringList t = tokenize(text, lineNo);
        if (t.isEmpty()) return;
        t.replaceInStrings("$TMP", files_.path());
        const QString cmd = t[0];
        if (cmd == "database") {
            need(t, 2);
            if (db_) fail("'database' must come before anything that uses the database");
            demo_ = t[1] == "demo";
            return;
        }
        if (cmd == "clock") {
            need(t, 2);
            clock_ = QDateTime::fromString(t[1], "yyyy-MM-dd HH:mm:ss");
            if (!clock_.isValid()) fail("bad clock " + t[1]);
            return;
        }
        ensureDb();
        if (cmd == "sql") {
            need(t, 2);
            ctx_->dm.exec(t[1]);
        } else if (cmd == "login") {
            need(t, 2);
            Row r = ctx_->dm.first("Select YHBH,YHXM,YHMM From Tb_SYS_GLY Where YHBH=?", {t[1]});
            if (r.isNull(0)) fail("no operator " + t[1]);
            ctx_->login = LoginContext{r.text(0),       r.text(1),       r.raw(2), ctx_->today(),
                                       ctx_->timeNow(), ctx_->timeNow(), 0};
        } else if (cmd == "level") {
            need(t, 2);
            ctx_->login.AccessLevel = t[1].toLongLong();
        } else if (cmd == "start") {
            runProgram(*ctx_);
        } else if (cmd == "open") {
            need(t, 2);
            auto w = createWindow(t[1], *ctx_);
            if (!w) fail("no window " + t[1]);
            Params params;
            for (int i = 2; i < t.size(); ++i)
                params[t[i].section('=', 0, 0)] = t[i].section('=', 1);
            w->setParams(params);
            shell_.showModal(*w);
        } else if (cmd == "set") {
            need(t, 3);
            Control& c = ctrl(t[1]);
            if (!c.enabled() || c.readOnly()) fail(c.name() + " cannot be edited");
            c.owner()->userSet(c, t[2]);
        } else if (cmd == "cell") {
            need(t, 5);
            Control& c = ctrl(t[1]);
            int col = t[2].toInt(), row = t[3].toInt();
            c.setCurrent(row, col);
            c.setCell(col, row, t[4]);
            c.owner()->fire(c.name(), Event::Change, {row, col});
        } else if (cmd == "click" || cmd == "menu") {
            need(t, 2);
            fireOn(ctrl(t[1]), Event::Click);
        } else if (cmd == "enter") {
            need(t, 2);
            fireOn(ctrl(t[1]), Event::Enter);
        } else if (cmd == "select" || cmd == "dblclick") {
            need(t, 2);
            Control& c = ctrl(t[1]);
            if (t.size() >= 3) {
                int row = t[2].toInt(), col = t.size() >= 4 ? t[3].toInt() : std::max(c.col(), 0);
                c.setCurrent(row, col);
                fireOn(c, Event::Select, {row, col});
            }
            if (cmd == "dblclick")
                fireOn(c, Event::DblClick, {c.row(), c.col()});
            else
                c.owner()->fire(c.name(), Event::Click, {c.row(), c.col()});
        } else if (cmd == "check") {
            need(t, 4);
            Control& c = ctrl(t[1]);
            int row = t[2].toInt();
            c.setRowChecked(row, t[3] == "true");
            fireOn(c, Event::Check, {row, -1});
        } else if (cmd == "header") {
            need(t, 3);
            fireOn(ctrl(t[1]), Event::HeaderClick, {-1, t[2].toInt()});
        } else if (cmd == "page") {
            need(t, 3);
            Control& c = ctrl(t[1]);
            c.setItemIndex(t[2].toInt());
            fireOn(c, Event::Change);
        } else if (cmd == "close") {
            top().closeCommand();
        } else if (cmd == "clipboard") {
            need(t, 2);
            shell_.clipboard = t[1];
        } else if (cmd == "answer") {
            need(t, 2);
            if (t[1] == "text" || t[1] == "file") {
                need(t, 3);
                shell_.answers.push_back(t[1] + ":" + t[2]);
            } else {
                shell_.answers.push_back(t[1]);
            }
        } else if (cmd == "file") {
            need(t, 3);
            QFile f(t[1]);
            if (!f.open(QIODevice::WriteOnly) || f.write(t[2].toUtf8()) < 0)
                fail("cannot write " + t[1]);
        } else if (cmd == "truncate") {
            need(t, 3);
            if (!QFile::resize(t[1], t[2].toLongLong())) fail("cannot truncate " + t[1]);
        } else if (cmd == "expect") {
            expect(t);
        } else {
            fail("unknown step " + cmd);
        }
    }

    const Scenario& scenario_;
    size_t next_ = 0;
    int line_ = 0;
    bool demo_ = false;
    QDateTime clock_ = QDateTime(QDate(2026, 12, 11), QTime(9, 30, 0));
    QTemporaryDir files_;  // "$TMP" in a step
    TestShell shell_;
    std::unique_ptr<TestDb> db_;
    std::unique_ptr<Context> ctx_;
};

}  // namespace

std::vector<Scenario> loadScenarios(const QString& file) {
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly)) return {};
    std::vector<Scenario> out;
    QTextStream in(&f);
    int lineNo = 0;
    while (!in.atEnd()) {
        QString line = in.readLine();
        ++lineNo;
        QString trimmed = line.trimmed();
        if (trimmed.isEmpty() || trimmed.startsWith('#')) continue;
        if (trimmed.startsWith("scenario ")) {
            QStringList t = tokenize(trimmed, lineNo);
            out.push_back({t.value(1), file, lineNo, {}});
            continue;
        }
        if (out.empty()) out.push_back({QFileInfo(file).baseName(), file, lineNo, {}});
        out.back().lines.emplace_back(lineNo, trimmed);
    }
    return out;
}

ScenarioResult runScenario(const Scenario& scenario) {
    return Runner(scenario).run();
}

QStringList scenarioFiles() {
    QStringList files;
    QDir dir(WY_SCENARIO_DIR);
    for (const QString& f : dir.entryList({"*.scn"}, QDir::Files, QDir::Name))
        files << dir.filePath(f);
    return files;
}

}  // namespace wy::test
