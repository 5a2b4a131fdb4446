#pragma once
// The condition of the prepayment-offset query (TFrm_9_CXCD), as a pure function of what the
// dialog's fields hold. Texts typed or chosen by the operator are quoted with sqlQuote; keys are
// numbers read from the database.
#include <QString>
#include <optional>

namespace wy {

struct OffsetFilter {
    QString from, to;               // "YYYY-MM-DD"
    QString feeItem;                // empty: every fee item
    QString houseNo;                // empty: every house
    QString ownerName;              // empty: every owner
    std::optional<qint64> manager;  // house manager (BH of Tb_SYS_DWYG); none for "全部"
    std::optional<qint64> batch;    // charging batch (BH of Tb_2_SFRW); none for "全部"
    QString houseType;              // empty for "全部业主"
    std::optional<qint64> estate, building, entrance, floor;  // none: not chosen or "所有…"
};

// "Where (CDRQ Between '…' And '…')" followed by one " And (…)" per chosen field.
QString BuildOffsetCondition(const OffsetFilter& f);

}  // namespace wy
