// The program's entry: opens the data (creating it on first start), then the login window.
#include <QApplication>
#include <QCommandLineParser>
#include <QFontDatabase>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QStandardPaths>
#include <QTranslator>
#include <cstdlib>

#include "app/StartUp.h"
#include "db/TDm.h"
#include "ui/QtShell.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("wygl");
    QApplication::setApplicationDisplayName(QStringLiteral("Morvek物业管理软件"));
    QTranslator qtChinese;
    if (qtChinese.load(QLocale(QLocale::Chinese, QLocale::China), "qtbase", "_",
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(&qtChinese);
    if (QFontDatabase::families().contains("Noto Sans CJK SC"))
        app.setFont(QFont("Noto Sans CJK SC", 10));

    QCommandLineParser args;
    args.setApplicationDescription(QStringLiteral("Morvek物业管理软件"));
    args.addHelpOption();
    QCommandLineOption dataOption(
        "data", QStringLiteral("数据文件 (SQLite)"), "file",
        QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + "/QuarVick.db");
    QCommandLineOption serverOption(
        "server", QStringLiteral("数据库服务器: \"host=… dbname=… user=… password=…\""),
        "connection");
    QCommandLineOption readyOption("exit-when-ready",
                                   QStringLiteral("(基准测试) 登陆窗口出现且数据文件就绪后即退出"));
    readyOption.setFlags(QCommandLineOption::HiddenFromHelp);
    QCommandLineOption benchOption("exit-on-login",
                                   QStringLiteral("(基准测试) 登陆窗口出现后即退出"));
    benchOption.setFlags(QCommandLineOption::HiddenFromHelp);
    args.addOptions({dataOption, serverOption, benchOption, readyOption});
    args.process(app);

    wy::TDm::Options options;
    if (args.isSet(serverOption)) {
        options.engine = wy::TDm::Engine::PostgreSQL;
        options.path = args.value(serverOption);
    } else {
        options.path = args.value(dataOption);
        options.createInBackground = true;  // a first start shows the login at once
    }
    std::unique_ptr<wy::TDm> dm;
    try {
        dm = std::make_unique<wy::TDm>(options);
    } catch (const wy::TDm::OpenError& e) {
        QMessageBox::critical(nullptr, QStringLiteral("Morvek物业管理软件"), e.message());
        return 1;
    }
    wy::ui::QtShell shell;
    if (args.isSet(benchOption)) shell.whenShown = [] { std::_Exit(0); };
    if (args.isSet(readyOption))
        shell.whenShown = [&dm] {
            dm->integer("SELECT COUNT(*) FROM Tb_SYS_Version");  // waits for a new file
            std::_Exit(0);
        };
    wy::Context ctx{*dm, shell, {}};
    ctx.programPath = QApplication::applicationFilePath();
    wy::runProgram(ctx);
    return 0;
}
