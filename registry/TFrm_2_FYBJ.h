#pragma once
// The house editor "§房源资料§": one house of Tb_FYXX at a time, with its place (estate,
// building, entrance, floor) chosen from lists. The owner, residents, occupancy date, entrance
// word and charging class are not shown here and keep their stored values on every save.
#include "admin/RecordEditor.h"
#include "registry/PlaceCascade.h"

namespace wy {

class TFrm_2_FYBJ : public RecordEditor {
    Q_OBJECT
public:
    explicit TFrm_2_FYBJ(Context& ctx);

    Control& Edt_SYSBH;
    Control& Edt_FYBH;
    Control& Edt_FYMC;
    Control& Cmb_XQMC;
    Control& Cmb_LDMC;
    Control& Cmb_DYMC;
    Control& Cmb_LCMC;
    Control& Cmb_FYCX;
    Control& Cmb_FYHX;
    Control& Cmb_FYJG;
    Control& Cmb_FYLB;
    Control& Cmb_FYZT;
    Control& Cmb_FYXZ;
    Control& Cmb_ZSBZ;
    Control& Cmb_YSES;
    Control& Edt_JZMJ;
    Control& Edt_SYMJ;
    Control& Edt_ZJM;
    Control& Edt_BZ;
    Control& Edt_FYDJ;
    Control& Edt_FYZJ;
    Control& Edt_THXH;
    Control& Dat_JGRQ;
    Control& Lb_Tip1;
    Control& Lb_Tip2;

protected:
    void FormShow() override;
    bool validate() override;
    void afterInsert(qint64 key) override;
    void rowShown(const Row& row) override;
    void fieldsCleared() override;
    void afterSaved() override;

private:
    void Changed();
    void Edt_FYBHChange();
    bool requiredFilled() const;

    PlaceCascade place_;
};

}  // namespace wy
