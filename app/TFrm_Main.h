#pragma once
#include <vector>

#include "core/Window.h"

namespace wy {

// The main window: wizard pages of module buttons, tool buttons, the report list, the menu with
// every command by module number, and the status bar. The only window that is not modal.
class TFrm_Main : public Window {
    Q_OBJECT
public:
    explicit TFrm_Main(Context& ctx);

    // A menu command: its item, caption, module number (0 for none) and what it does.
    struct Command {
        QString item;
        QString caption;
        qint64 module;
        QString group;
        bool shown;
        std::function<void()> run;
    };
    struct WizardButton {
        QString name;
        qint64 module;
        QString caption;
        int page;
        bool shown;
    };
    static const std::vector<WizardButton>& wizardButtons();
    static QStringList menuGroups();
    static QStringList pageCategories();

    Control& pgMain;
    Control& StrGrd_Report;
    Control& Stu_Main;
    Control& Panel2;
    Control& Label1;
    Control& SpeedButton1;
    Control& Btn_Exit;

    void FormShow() override;
    bool closeCommand() override;
    void ApplicationHint(const QString& hint) override;

    void pgMainChange();
    void LoadReportList(const QString& category);
    void StrGrd_ReportDblClick();
    void OpenReport(int flag, const QString& number, const QString& table, const QString& module);
    // The access check of a wizard button, then its command.
    void CheckModuleAccess(qint64 module);
    void DispatchModule(qint64 module);
    void WriteExitLog();
    void Initialise();
    void ExitByMenu();

    const std::vector<Command>& commands() const { return commands_; }

private:
    void addCommand(const QString& item, const QString& caption, qint64 module,
                    const QString& group, bool shown, std::function<void()> run);
    std::function<void()> opens(const QString& window, Params params = {}, bool withLevel = true);
    std::function<void()> openQueryWizard(const QString& category, const QString& view);
    void openAddress(const QString& setting, const QString& fallback);
    std::optional<QString> askYear();

    std::vector<Command> commands_;
    bool exiting_ = false;
};

}  // namespace wy
