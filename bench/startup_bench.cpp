// Start-up benchmark: the program from its start until the login window shows, on an existing
// data file and on the first start, and on the first start until the new data file (built while
// the login shows) is ready, each against a bare Qt window started the same way in the same run.
// Runs alternate, so drift of the machine's speed falls on both sides; medians are reported.
//   build/bench/startup_bench [runs]
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>

namespace {

double runOnce(const QString& program, const QStringList& args) {
    QElapsedTimer t;
    t.start();
    QProcess p;
    p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    p.start(program, args);
    p.waitForFinished(60000);
    return t.nsecsElapsed() / 1e6;
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(3, atoi(argv[1])) : 11;
    const QString dir = QCoreApplication::applicationDirPath();
    const QString program = dir + "/../wygl";
    const QString bare = dir + "/bare_window";
    QTemporaryDir tmp;
    const QString existing = tmp.filePath("existing.db");

    // Make the existing file once (first start of the program).
    runOnce(program, {"--data", existing, "--exit-on-login"});
    std::vector<double> bareMs, startMs, firstMs, readyMs, startRatio, firstRatio, readyRatio;
    for (int i = 0; i < runs; ++i) {
        double b1 = runOnce(bare, {});
        double s = runOnce(program, {"--data", existing, "--exit-on-login"});
        double b2 = runOnce(bare, {});
        double f = runOnce(
            program, {"--data", tmp.filePath(QString("first%1.db").arg(i)), "--exit-on-login"});
        double b3 = runOnce(bare, {});
        const QString fresh = tmp.filePath(QString("fresh%1.db").arg(i));
        double r = runOnce(program, {"--data", fresh, "--exit-when-ready"});
        if (!QFile::exists(fresh)) {
            std::fprintf(stderr, "the first start made no data file\n");
            return 1;
        }
        bareMs.insert(bareMs.end(), {b1, b2, b3});
        startMs.push_back(s);
        firstMs.push_back(f);
        readyMs.push_back(r);
        startRatio.push_back(s / b1);
        firstRatio.push_back(f / b2);
        readyRatio.push_back(r / b3);
    }
    std::printf("runs: %d (platform %s)\n", runs, qgetenv("QT_QPA_PLATFORM").constData());
    std::printf("bare Qt window:                              median %7.1f ms\n", median(bareMs));
    std::printf("start to login, existing data file:          median %7.1f ms  ratio %.2f\n",
                median(startMs), median(startRatio));
    std::printf("start to login, first start:                 median %7.1f ms  ratio %.2f\n",
                median(firstMs), median(firstRatio));
    std::printf("first start until the new data file is ready: median %7.1f ms  ratio %.2f\n",
                median(readyMs), median(readyRatio));
    return 0;
}
