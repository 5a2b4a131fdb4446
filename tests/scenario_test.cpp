// Every scenario file under tests/scenarios is one test; each scenario in it runs on a fresh
// database and reports the line where it failed.
#include <gtest/gtest.h>

#include <QFileInfo>

#include "tests/ScenarioRunner.h"

namespace wy::test {
namespace {

class ScenarioFile : public ::testing::TestWithParam<std::string> {};

std::vector<std::string> files() {
    std::vector<std::string> out;
    for (const QString& f : scenarioFiles()) out.push_back(f.toStdString());
    return out;
}

TEST_P(ScenarioFile, Plays) {
    const auto scenarios = loadScenarios(QString::fromStdString(GetParam()));
    ASSERT_FALSE(scenarios.empty()) << GetParam();
    for (const Scenario& s : scenarios) {
        ScenarioResult r = runScenario(s);
        EXPECT_TRUE(r.ok()) << QFileInfo(r.file).fileName().toStdString() << ":" << r.line << " ["
                            << r.name.toStdString() << "] " << r.failure.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Scenarios, ScenarioFile, ::testing::ValuesIn(files()),
    [](const ::testing::TestParamInfo<std::string>& info) {
        return QFileInfo(QString::fromStdString(info.param)).baseName().toStdString();
    });

}  // namespace
}  // namespace wy::test
