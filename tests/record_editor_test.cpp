// Record editors on two workstations at once, and what a number field writes.
#include <gtest/gtest.h>

#include <future>
#include <thread>

#include "admin/RecordEditor.h"
#include "tests/TestDb.h"
#include "tests/TestShell.h"

namespace wy::test {
namespace {

// A small member of the family on the buildings table: a name and a number of floors.
class BuildingEditor : public RecordEditor {
public:
    explicit BuildingEditor(Context& ctx)
        : RecordEditor(ctx, "BuildingEditor", QStringLiteral("§楼栋§"), "Tb_SYS_XQLD"),
          Edt_LDMC(add(ControlKind::Edit, "Edt_LDMC", QStringLiteral("楼栋名称:"))),
          Edt_LDCS(add(ControlKind::Edit, "Edt_LDCS", QStringLiteral("层数:"))) {
        addField("LDMC", Edt_LDMC);
        addField("LDCS", Edt_LDCS, FieldKind::Number);
        requireField(Edt_LDMC);
    }
    Control& Edt_LDMC;
    Control& Edt_LDCS;
};

// One copy of the program with an editor opened in ADD mode.
struct Workstation {
    explicit Workstation(TDm& dm) : ctx{dm, shell, {}} {
        ctx.login.OperatorNo = kAdministrator;
        editor = std::make_unique<BuildingEditor>(ctx);
        editor->setParams({{"Mode", "ADD"}});
        editor->beginShow();
    }
    void type(const QString& name, const QString& floors = "6") {
        editor->userSet(editor->Edt_LDMC, name);
        editor->userSet(editor->Edt_LDCS, floors);
    }
    QStringList shown() const {
        QStringList texts;
        for (const auto& m : shell.messages) texts << m.text;
        return texts;
    }
    TestShell shell;
    Context ctx;
    std::unique_ptr<BuildingEditor> editor;
};

std::string buildings(TDm& dm) {
    QStringList rows;
    for (const Row& r : dm.rows("Select BH,LDMC From Tb_SYS_XQLD Order By BH"))
        rows << r.text(0) + "," + r.text(1);
    return rows.join('|').toStdString();
}

TEST(RecordEditorKeys, TwoWorkstationsAddingAtOnceNeverShareAKey) {
    TestDb db;
    auto other = db.openAgain();
    Workstation a(db.dm()), b(*other);
    // Both offer the same next key while nothing is written ...
    EXPECT_EQ(a.editor->currentKey(), 1);
    EXPECT_EQ(b.editor->currentKey(), 1);
    a.type("1栋");
    b.type("2栋");
    a.editor->Save();
    b.editor->Save();
    // ... but each save takes its key under the write lock: two rows, nothing overwritten.
    EXPECT_TRUE(a.shown().isEmpty()) << a.shown().join(';').toStdString();
    EXPECT_TRUE(b.shown().isEmpty()) << b.shown().join(';').toStdString();
    EXPECT_EQ(buildings(db.dm()), "1,1栋|2,2栋");
    EXPECT_EQ(b.editor->currentKey(), 2);

    // A second save of each replaces its own row.
    a.type("1栋甲");
    a.editor->Save();
    b.type("2栋乙");
    b.editor->Save();
    EXPECT_EQ(buildings(db.dm()), "1,1栋甲|2,2栋乙");
}

TEST(RecordEditorKeys, ASecondWorkstationWaitsForTheLockInsteadOfFailing) {
    TestDb db;
    TDm& dm = db.dm();
    Transaction holding(dm);  // the first workstation is in the middle of its save
    dm.exec("Insert Into Tb_SYS_XQLD (BH,LDMC) Values(?,?)", {dm.nextKey("Tb_SYS_XQLD"), "先到"});

    // The lock is really held: a connection that does not wait is refused at once.
    auto impatient = db.openAgain(0);
    EXPECT_THROW(Transaction{*impatient}, DbError);

    std::promise<void> started;
    QStringList shown;
    qint64 savedKey = 0;
    std::thread second([&] {
        auto own = db.openAgain();
        Workstation w(*own);
        w.type("后到");
        started.set_value();
        w.editor->Save();  // waits until the first one commits
        shown = w.shown();
        savedKey = w.editor->currentKey();
    });
    started.get_future().wait();
    std::this_thread::sleep_for(std::chrono::milliseconds(200));  // let it reach the lock
    holding.commit();
    second.join();

    EXPECT_TRUE(shown.isEmpty()) << shown.join(';').toStdString();
    EXPECT_EQ(savedKey, 2);
    EXPECT_EQ(buildings(dm), "1,先到|2,后到");
}

TEST(RecordEditorFields, ANumberFieldWritesItsNumberAndRefusesOtherText) {
    struct Case {
        QString typed;
        QString stored;  // empty: refused
    };
    const Case cases[] = {{"12", "12"}, {" 7 ", "7"}, {"", "0"}, {"2.5", "2.5"}, {"十二", ""}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed.toStdString());
        TestDb db;
        Workstation w(db.dm());
        w.type("1栋", c.typed);
        w.editor->Save();
        const QString stored = db.dm().first("Select LDCS From Tb_SYS_XQLD").raw(0);
        EXPECT_EQ(stored.toStdString(), c.stored.toStdString());
        if (c.stored.isEmpty())
            EXPECT_EQ(w.shown(), QStringList{"数据可能不完整或违反规则，不能保存，请重新检查！"});
        else
            EXPECT_TRUE(w.shown().isEmpty());
    }
}

}  // namespace
}  // namespace wy::test
