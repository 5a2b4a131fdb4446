#pragma once
#include <vector>

#include "core/Window.h"

namespace wy {

// The rights window: for one operator, the estates he may query and a level (blank, 可读, 可改,
// 可删, 完全) for each assignable module. Saving replaces his rights as a whole.
class TFrm_14_Soft : public Window {
    Q_OBJECT
public:
    explicit TFrm_14_Soft(Context& ctx);

    struct Module {
        qint64 number;
        QString caption;
    };
    // The assignable modules in the order their rows are saved.
    static const std::vector<Module>& modules();
    static QStringList levelNames();

    Control& Cmb_YH;
    Control& Lv_Mod;
    Control& Lb_Help;
    Control& Lb_Level;
    std::vector<Control*> cmb;  // cmb1 … cmb19
    std::vector<Control*> chk;  // chk1 … chk19
    Control& Btn_Sure;
    Control& Btn_Close;

    void FormShow() override;
    void Cmb_YHChange();
    void Lv_ModClick();
    void LevelChange(int module);
    void Btn_SureClick();

private:
    QString chosenOperator() const;
    void setLevel(int module, int level);
    void saveRights(const QString& operatorNo);
};

}  // namespace wy
