// SPDX-License-Identifier: GPL-3.0-or-later
// The rule editor's Text tab: opening it on a rule (the rule as text, checked and drawn) and
// one key typed into it (checked and drawn again), on the longest rule of span15 and of the
// shared 746-rule, 1,378-item model, and the editor's preview of what storing a rule would do.
// Each figure is printed beside its target, 50 ms.
#include "BenchModels.h"
#include "frontend/ModelText.h"
#include "model/ModelFile.h"
#include "session/Document.h"
#include "session/RuleEditor.h"
#include "session/Session.h"
#include "ui/rules/RuleTextView.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QTest>
#include <benchmark/benchmark.h>
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

// The rule editor's preview of the middle entry of the Diachronic Order: the last batch run
// made again with the rule as edited, and the items the rule changes at its place.
void BM_Preview(benchmark::State& state) {
    Session session(std::filesystem::temp_directory_path());
    if (!session.openFile(modelPath(state.range(0)))) {
        state.SkipWithError(bench::missingSharedModel(bench::steadySharedModel).c_str());
        return;
    }
    session.runBatch();
    const auto& order = session.model().lstDiacOrd;
    (void)session.ruleEditor().open(order[order.size() / 2]);
    for (auto _ : state)
        benchmark::DoNotOptimize(session.previewRuleEdit({}, composeNfc));
    reportTarget(state);
}

BENCHMARK(BM_OpenTextTab)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();
// The time is that of two keys; each has the target.
BENCHMARK(BM_KeyTyped)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Preview)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();

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
