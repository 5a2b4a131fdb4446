#pragma once
// The building editor: one building (楼栋) of Tb_SYS_XQLD at a time, with its estate, number,
// floor and entrance counts and category. The floors, entrances and houses are laid out later
// by the house wizard, which relies on LDBZ1 ("是" once the houses are generated).
#include <QVector>

#include "admin/RecordEditor.h"

namespace wy {

class TFrm_1_XQLD : public RecordEditor {
    Q_OBJECT
public:
    explicit TFrm_1_XQLD(Context& ctx);

    Control& Edt_LDBH;
    Control& Edt_LDXH;
    Control& Cmb_XQMC;
    Control& Edt_LDMC;
    Control& Edt_LDCS;
    Control& Edt_LDDYS;
    Control& Edt_ZHS;
    Control& Cmb_FYLB;
    Control& Dat_JGRQ;
    Control& Dat_RZRQ;
    Control& Button1;

    void FormShow() override;
    void Button1Click();

protected:
    void fillLookups() override;
    void fieldsCleared() override;
    void rowShown(const Row& row) override;
    bool validate() override;
    QVariant fieldValue(const Field& f) const override;
    void afterSaved() override;

private:
    void keepDigits(Control& c);
    void fillCategories();
    void setDatesToday();
    void lockLayout(bool generated);

    QVector<qint64> estateKeys_;  // BH of each item of Cmb_XQMC
};

}  // namespace wy
