#pragma once
// The lists the list window TFrm_JCXX shows, one configuration per selector: the statement in
// its parts, the column headers, the key column, how rows are deleted and which editor adds
// and modifies them.
#include <QHash>
#include <QStringList>

namespace wy {

struct ListConfig {
    int selector = 0;
    QString caption;
    // The statement: select part, where part, order part and direction.
    QString select;
    QString where;
    QString order;
    QString direction;
    QStringList headers;  // one per statement column (the running number column comes first)
    int keyPos = 0;       // 1-based position of BH among the statement columns
    bool keyShown = false;
    QHash<QString, QString> sortBy;  // a shown column that sorts by another table column
    // Deleting: the statement with "?" for the key; empty when the list does not delete.
    QString deleteSql;
    QString keptText;         // shown when the guarded statement kept the row
    qint64 protectedKey = 0;  // a key never deleted, with its message
    QString protectedText;
    QString noDeleteText;  // shown instead of deleting, for lists that do not delete
    // Editors by window class name; an empty add editor makes Add only reload the list.
    QString addEditor;
    QString modifyEditor;
    int addKeyLength = 9;
    int modifyKeyLength = 9;
    bool keyReadOnly = true;
    QStringList buttonCaptions;  // add, modify, delete; empty for the usual ones

    // The table column each statement column shows, for sorting by a header.
    QStringList sortFields() const;
};

// The configuration of a selector, or nullptr for an unknown one.
const ListConfig* listConfig(int selector);
QList<int> listSelectors();

}  // namespace wy
