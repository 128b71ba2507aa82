// The QSO list of the real window, offscreen, on logs of 100,000 QSOs: dupe
// marking, select all, the delete of the marked rows and a refresh, beside
// the dupe marking of the document alone.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "CMainFrame.h"
#include "CSorvakView.h"
#include "CommandSet.h"
#include "commands/LogToolCommands.h"
#include "editing/ListSelection.h"
#include "model/CSorvakDoc.h"
#include "testsupport/ScriptedUi.h"

namespace {

using namespace sorvak;

// `count` QSOs drawn from about a thirtieth as many distinct ones, in random
// order: a log appended to itself again and again.
void fillRepeatingLog(CSorvakDoc& doc, size_t count) {
    std::mt19937 random(7);
    std::vector<QsoValues> distinct(count / 30 + 1);
    for (QsoValues& v : distinct) {
        v.time = 1795000000 + static_cast<int32_t>(random() % (24 * 60)) * 60;
        v.callSign = "JA" + std::to_string(random() % 10) + static_cast<char>('A' + random() % 26) +
                     static_cast<char>('A' + random() % 26);
        v.srst = 599;
        v.sent = "10H";
        v.rcvd = std::to_string(10 + random() % 40) + "M";
        v.band = static_cast<int>(random() % 6);
        v.mode = static_cast<int>(random() % 2);
        v.power = 3;
        v.points = 1;
        v.operatorName = random() % 2 ? "JH1QQQ" : "JR1WXX";
    }
    for (size_t i = 0; i < count; ++i) {
        doc.add(std::make_unique<QsoRecord>(distinct[random() % distinct.size()]));
    }
}

struct Window {
    CSorvakDoc doc;
    ScriptedUi ui;
    CMainFrame frame{doc, ui};

    explicit Window(size_t count) {
        frame.show();
        reload(count);
    }
    void reload(size_t count) {
        doc.clear();
        fillRepeatingLog(doc, count);
        doc.updateAllViews();
        QApplication::processEvents();
    }
    // Runs a command as its menu entry does, then paints the list once.
    void run(Command command) {
        frame.commands().run(command);
        frame.view().viewport()->repaint();
    }
};

size_t countOf(const benchmark::State& state) {
    return static_cast<size_t>(state.range(0));
}

void BM_DupeMarkingOfTheDocument(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        CSorvakDoc doc;
        fillRepeatingLog(doc, countOf(state));
        ScriptedUi ui;
        RowSelection list;
        state.ResumeTiming();
        benchmark::DoNotOptimize(OnCheckDupe(doc, ui, list).size());
    }
}
BENCHMARK(BM_DupeMarkingOfTheDocument)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_DupeMarkingInTheWindow(benchmark::State& state) {
    Window w(countOf(state));
    for (auto _ : state) {
        state.PauseTiming();
        w.reload(countOf(state));
        w.ui.answers = {Answer::Ok, Answer::Ok};
        state.ResumeTiming();
        w.run(Command::ToolDupe);
    }
    state.counters["marked"] = static_cast<double>(w.frame.view().selectedRowList().size());
}
BENCHMARK(BM_DupeMarkingInTheWindow)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_DeleteOfTheMarkedRows(benchmark::State& state) {
    Window w(countOf(state));
    for (auto _ : state) {
        state.PauseTiming();
        w.reload(countOf(state));
        w.ui.answers = {Answer::Ok, Answer::Ok, Answer::Ok};
        w.run(Command::ToolDupe);
        state.ResumeTiming();
        w.run(Command::EditDelete);
    }
}
BENCHMARK(BM_DeleteOfTheMarkedRows)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_SelectAll(benchmark::State& state) {
    Window w(countOf(state));
    for (auto _ : state) {
        w.frame.view().clearSelection();
        w.run(Command::EditSelectAll);
    }
}
BENCHMARK(BM_SelectAll)->Arg(100000)->Unit(benchmark::kMillisecond);

// What every command that changes the log ends with.
void BM_Refresh(benchmark::State& state) {
    Window w(countOf(state));
    for (auto _ : state) {
        w.frame.view().OnUpdate();
        w.frame.view().viewport()->repaint();
    }
}
BENCHMARK(BM_Refresh)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
