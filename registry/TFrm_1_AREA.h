#pragma once
// The estate editor: one estate (小区/商圈) of Tb_SYS_AREA at a time, with its code, name,
// district, location, design area and the descriptive notes.
#include "admin/RecordEditor.h"

namespace wy {

class TFrm_1_AREA : public RecordEditor {
    Q_OBJECT
public:
    explicit TFrm_1_AREA(Context& ctx);

    Control& Edt_XQBH;
    Control& Edt_XQMC;
    Control& Cmb_SZDQ;
    Control& Edt_SZDD;
    Control& Edt_SJMJ;
    Control& Dat_JGRQ;
    Control& Dat_ZSRQ;
    Control& Dat_RZRQ;
    Control& Me_JYHJ;
    Control& Me_GWHJ;
    Control& Me_CWSS;
    Control& Me_KLSS;
    Control& Me_JTHJ;
    Control& Me_QDNR;
    Control& Me_JDJL;
    Control& Me_XQTS;
    Control& Me_XGWJ;

    void FormShow() override;

protected:
    void fillLookups() override;
    void fieldsCleared() override;
    void beforeInsert(qint64 key) override;

private:
    void setDatesToday();
};

}  // namespace wy
