#pragma once
// The owner editor "§业主资料§": one owner or tenant record of Tb_SYS_KHXX together with its
// house's state, residents and charging class.
#include "admin/RecordEditor.h"

namespace wy {

class TFrm_2_BJKH : public RecordEditor {
    Q_OBJECT
public:
    explicit TFrm_2_BJKH(Context& ctx);
    // KeyColumn KHBH is the record's BH (its copy); FYH names the house a new record is for.
    bool setParam(const QString& name, const QVariant& value) override;

    Control& Edt_XQMC;
    Control& Edt_LDMC;
    Control& Edt_FYBH;
    Control& Lb_FH;
    Control& Edt_YZBH;
    Control& Edt_YZMC;
    Control& Cmb_XB;
    Control& Cmb_MZ;
    Control& Edt_SFZH;
    Control& Dat_CSRQ;
    Control& Cmb_KHLB;
    Control& Cmb_FYZT;
    Control& Cmb_JG;
    Control& Edt_RZRS;
    Control& Edt_YB;
    Control& Edt_SJH;
    Control& Edt_ZY;
    Control& Edt_DH;
    Control& Edt_DPMC;
    Control& Edt_DZ;
    Control& Dat_ZZRQ;
    Control& Dat_RZRQ;
    Control& Edt_JYR;
    Control& Edt_HTBH;
    Control& Cmb_SFBZ;

protected:
    void FormShow() override;
    bool validate() override;
    void afterInsert(qint64 key) override;
    void rowShown(const Row& row) override;
    void fieldsCleared() override;
    void afterSaved() override;

private:
    // Shows the house the record belongs to.
    void showHouse(qint64 house);

    qint64 house_ = 0;
};

}  // namespace wy
