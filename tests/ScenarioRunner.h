#pragma once
// Plays scenario files: window-by-window scripts in the system's own names.
//
//   scenario "wrong password is refused"     a new scenario on a fresh database
//   database demo                            start from the demonstration office
//   clock "2026-12-11 09:30:00"              fix the clock
//   sql "INSERT ..."                         set data up
//   login SYSTEM                             be that operator without the login window
//   level 2                                  the access level the main window last set
//   start                                    run the program: login window, then main window
//   open TFrm_JCXX Selector=23 AccessLevel=2 open a window modally with inputs
//   set Edt_YHBH "A01"                       type or choose a value (fires Change)
//   cell StrGrd_Param 0 3 "text"             edit a grid cell (col row)
//   click Btn_Save | dblclick Lv_Data 2 | select Lv_Data 2 | enter Edt_X | header Lv_Data 3
//   check Lv_Mod 1 true | page pgMain 2 | close
//   answer yes|no|ok|cancel | answer text "2025" | answer file "/path"
//   expect message "text" [caption "提示"]   the next thing shown to the person
//   expect no message
//   expect window TFrm_Main | expect no window
//   expect Edt_X "value"                     a control's value; or a property:
//   expect Btn_Save.enabled false            text caption enabled visible readonly checked
//                                            itemindex items item.N rowcount colcount row
//                                            cell.C.R rowchecked.R colwidth.C hint tag focus
//   expect sql "SELECT ..." "a,b|c,d"        cells joined by "," and rows by "|"
//   expect url "..." | expect restarted | expect quit
//   file "$TMP/x.bak" "text"                 write a file ("$TMP" is the scenario's own folder)
//   truncate "$TMP/x.bak" 4096               cut a file to that many bytes
#include <QString>
#include <QStringList>
#include <vector>

namespace wy::test {

struct ScenarioResult {
    QString name;
    QString file;
    int line = 0;  // where it failed
    QString failure;
    bool ok() const { return failure.isEmpty(); }
};

struct Scenario {
    QString name;
    QString file;
    int firstLine = 0;
    std::vector<std::pair<int, QString>> lines;  // line number, text
};

std::vector<Scenario> loadScenarios(const QString& file);
ScenarioResult runScenario(const Scenario& scenario);
QStringList scenarioFiles();

}  // namespace wy::test
