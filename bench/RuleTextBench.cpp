// SPDX-License-Identifier: GPL-3.0-or-later
// The rule editor's Text tab: opening it on a rule (the rule as text, checked and drawn) and
// one key typed into it (checked and drawn again), on the longest rule of span15 and of the
// shared 746-rule, 1,378-item model, and the editor's preview of what storing a rule would do
// (on those two models, this folder's own 746-rule model and the shared cascade).
// Each figure is printed beside its target, 50 ms.
#include "BenchModels.h"
#include "frontend/ModelText.h"
#include "model/ModelFile.h"
#include "model/OrderEntry.h"
#include "session/Document.h"
#include "session/RuleEditor.h"
#include "session/Session.h"
#include "ui/rules/RuleTextView.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QTest>
#include <benchmark/benchmark.h>
#include <chrono>
#include <filesystem>
#include <optional>

namespace tarnel {
namespace {

constexpr double targetMs = 50;

std::string modelPath(std::int64_t which) {
    return which == 0 ? std::string(TARNEL_SAMPLES_DIR) + "/span15.tnl"
                      : bench::sharedModelPath(bench::steadySharedModel);
}

// The model, a rule editor open on its longest rule, and a Text tab to show it in.
struct TextTab {
    Document document;
    RuleEditor editor{document};
    RuleTextView view{[this](const std::string& text) { return editor.checkText(text); }};
    std::string rule;

    explicit TextTab(const Model& model) {
        document.replace(model);
        const auto& rules = model.lst1Rule;
        const auto longest = std::ranges::max_element(
            rules, {}, [](const std::vector<std::string>& lines) { return lines.size(); });
        rule = ruleName(*longest);
        view.resize(900, 600);
        view.show();
    }
    void open() {
        (void)editor.open(rule);
        view.setText(fromModelLines(editor.text()));
        view.textBox()->viewport()->repaint();
    }
};

std::optional<Model> load(benchmark::State& state) {
    const Result<LoadedModel> loaded = loadModelFile(modelPath(state.range(0)));
    if (!loaded) {
        state.SkipWithError(state.range(0) == 0
                                ? loaded.message().c_str()
                                : bench::missingSharedModel(bench::steadySharedModel).c_str());
        return std::nullopt;
    }
    return loaded->model;
}

void reportTarget(benchmark::State& state) {
    state.counters["target_ms"] = targetMs;
    state.SetLabel(state.range(0) == 0 ? "span15" : "746 rules, 1,378 items");
}

void BM_OpenTextTab(benchmark::State& state) {
    const std::optional<Model> model = load(state);
    if (!model)
        return;
    TextTab tab(*model);
    for (auto _ : state)
        tab.open();
    reportTarget(state);
}

// A letter typed into a then-line and taken back: two keys an iteration, each checked.
void BM_KeyTyped(benchmark::State& state) {
    const std::optional<Model> model = load(state);
    if (!model)
        return;
    TextTab tab(*model);
    tab.open();
    QPlainTextEdit* box = tab.view.textBox();
    QTextCursor cursor = box->textCursor();
    cursor.movePosition(QTextCursor::End);
    cursor.movePosition(QTextCursor::Up);
    cursor.movePosition(QTextCursor::EndOfBlock);
    box->setTextCursor(cursor);
    for (auto _ : state) {
        QTest::keyClick(box, Qt::Key_X);
        box->viewport()->repaint();
        QTest::keyClick(box, Qt::Key_Backspace);
        box->viewport()->repaint();
    }
    reportTarget(state);
}

// The models of the preview: span15, the shared steady model, this folder's own 746-rule
// model and the shared cascade (DELETE, persistent rules).
std::string previewModelPath(std::int64_t which) {
    if (which == 2) {
        const auto path = std::filesystem::temp_directory_path() / "tarnel-preview-bench.tnl";
        return writeModelFile(bench::lengthKeepingModel(), path) ? path.string() : std::string();
    }
    return which == 3 ? bench::sharedModelPath(bench::cascadeSharedModel) : modelPath(which);
}

// The rule's text with the sign of the first value of its first then-line turned, as a key
// typed into it would.
std::vector<std::string> signTurned(std::vector<std::string> lines) {
    for (std::string& line : lines)
        if (!line.empty() && line.front() >= '1' && line.front() <= '9')
            if (const std::size_t sign = line.find_first_of("+-", 2); sign != std::string::npos) {
                line[sign] = line[sign] == '+' ? '-' : '+';
                break;
            }
    return lines;
}

// The rule editor's preview of the middle entry of the Diachronic Order with a sign turned:
// what storing it would do to the last batch run, and the items the rule changes at its
// place. The first preview after a run traces the run's items, which the others reuse: it is
// shown apart, as first_ms.
void BM_Preview(benchmark::State& state) {
    Session session(std::filesystem::temp_directory_path());
    const std::string path = previewModelPath(state.range(0));
    const bool opened = static_cast<bool>(session.openFile(path));
    if (state.range(0) == 2)
        std::filesystem::remove(path);
    if (!opened) {
        state.SkipWithError(bench::missingSharedModel(state.range(0) == 3
                                                          ? bench::cascadeSharedModel
                                                          : bench::steadySharedModel)
                                .c_str());
        return;
    }
    session.runBatch();
    const auto& order = session.model().lstDiacOrd;
    (void)session.ruleEditor().open(std::string(orderEntry(order[order.size() / 2]).rule));
    const std::vector<std::string> edited = signTurned(session.ruleEditor().lines());
    const auto start = std::chrono::steady_clock::now();
    benchmark::DoNotOptimize(session.previewRuleEdit(edited, composeNfc));
    const std::chrono::duration<double, std::milli> first =
        std::chrono::steady_clock::now() - start;
    for (auto _ : state)
        benchmark::DoNotOptimize(session.previewRuleEdit(edited, composeNfc));
    state.counters["first_ms"] = first.count();
    state.counters["target_ms"] = targetMs;
    static const char* const labels[] = {"span15", "steady 746 rules, 1,378 items",
                                         "bench 746 rules, 1,378 items",
                                         "cascade 746 rules, 1,378 items"};
    state.SetLabel(labels[state.range(0)]);
}

BENCHMARK(BM_OpenTextTab)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();
// The time is that of two keys; each has the target.
BENCHMARK(BM_KeyTyped)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Preview)->DenseRange(0, 3)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
} // namespace tarnel

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
