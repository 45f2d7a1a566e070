// Start-up of the main window and every learner action, at package sizes up
// to the most a package may hold. Two families:
//   headless/...  the contract windows alone, no widgets;
//   qt/...        the same through the Qt binding on the offscreen platform,
//                 the learner's clicks going through the widgets and the
//                 events they cause (layout, painting) processed in the time.
// Every action is timed by itself (manual time); the state it needs is made
// before and undone after, outside the time. Besides the mean, max_ms is the
// slowest single action. Rows and paints counted per action show what the
// widgets had to do.
#include "packages.h"
#include "run/program.h"
#include "run/zol.h"
#include "toolkit/qt/binding.h"
#include "toolkit/qt/collation.h"

#include <QAbstractButton>
#include <QAbstractItemModel>
#include <QApplication>
#include <QListWidget>

#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

// Processor time of this thread: what an action costs, without the time the
// machine gave to other programs meanwhile.
double thread_seconds()
{
    timespec now {};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

double median(std::vector<double> values);

// What reading the processor time twice costs by itself, taken off every
// processor time so that the shortest actions are not measured as the clock.
double clock_overhead()
{
    static const double overhead = [] {
        std::vector<double> costs;
        for (int i = 0; i < 1001; ++i) {
            const double begin = thread_seconds();
            costs.push_back(thread_seconds() - begin);
        }
        return median(costs);
    }();
    return overhead;
}

double median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const std::size_t half = values.size() / 2;
    return values.size() % 2 ? values[half] : (values[half - 1] + values[half]) / 2;
}

const tk::qt::BulgarianCollation& collation()
{
    static const tk::qt::BulgarianCollation bulgarian;
    return bulgarian;
}

// A screen with a fixed font list, so that nothing asks the machine.
class FixedScreen : public tk::Screen {
public:
    std::vector<std::string> font_names() const override
    {
        return { "Arial", "Courier New", "Times New Roman", "Verdana" };
    }
};

// Counts what the widgets of the main window do during one action.
class WidgetCounter : public QObject {
public:
    int paints = 0;
    int rows_inserted = 0;
    int rows_removed = 0;
    int resets = 0;

    void watch(QAbstractItemModel* model)
    {
        connect(model, &QAbstractItemModel::rowsInserted, this,
            [this](const QModelIndex&, int first, int last) { rows_inserted += last - first + 1; });
        connect(model, &QAbstractItemModel::rowsRemoved, this,
            [this](const QModelIndex&, int first, int last) { rows_removed += last - first + 1; });
        connect(model, &QAbstractItemModel::modelReset, this, [this] { ++resets; });
    }
    void reset() { paints = rows_inserted = rows_removed = resets = 0; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return QObject::eventFilter(watched, event);
    }
};

// One run of the program on a package: the application, optionally the Qt
// binding, and the main window after start-up.
class Session {
public:
    Session(std::shared_ptr<const content::Package> package, bool widgets)
        : application_(collation(), screen_)
    {
        if (widgets)
            binding_ = std::make_unique<tk::qt::Binding>(application_);
        program_ = std::make_unique<run::Program>(application_, std::move(package));
    }
    ~Session()
    {
        program_.reset();
        binding_.reset();
        if (QCoreApplication::instance())
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void start()
    {
        zol_ = &program_->start();
        if (binding_)
            QCoreApplication::processEvents();
    }
    run::ZOL& zol() { return *zol_; }
    bool widgets() const { return binding_ != nullptr; }
    QWidget* widget(const tk::Control& control) const { return binding_->widget_of(control); }
    QWidget* window() const { return binding_->view_of(*zol_); }

    // The learner's actions: through the widgets when there are widgets.
    void select(int list, int row)
    {
        if (widgets())
            static_cast<QListWidget*>(widget(zol().Slowo[list]))->setCurrentRow(row);
        else
            zol().Slowo[list].learner_select(row);
    }
    void click(int button)
    {
        if (widgets())
            static_cast<QAbstractButton*>(widget(zol().Uprawl[button]))->click();
        else
            zol().Uprawl[button].learner_click();
    }
    // Lets the widgets lay out and paint what the action changed. A list
    // view lays out on a zero timer, and the repaint that asks for is posted
    // in turn, so one round of events does not reach the painting.
    void settle()
    {
        if (widgets())
            for (int round = 0; round < 4; ++round)
                QCoreApplication::processEvents();
    }

    // Preparation, outside the time: records the last left expression with
    // the last right one until `count` pairs are recorded.
    void record_pairs(int count)
    {
        run::ZOL& w = zol();
        while (w.Slowo[2].ListCount() < count && w.Slowo[0].ListCount() > 0 && w.Slowo[1].ListCount() > 0) {
            w.Slowo[0].learner_select(w.Slowo[0].ListCount() - 1);
            w.Slowo[1].learner_select(w.Slowo[1].ListCount() - 1);
            w.Uprawl[0].learner_click();
        }
        settle();
    }

private:
    FixedScreen screen_;
    tk::Application application_;
    std::unique_ptr<tk::qt::Binding> binding_;
    std::unique_ptr<run::Program> program_;
    run::ZOL* zol_ = nullptr;
};

// Times one action per iteration and reports the mean, the slowest, and what
// the widgets did.
class Timer {
public:
    explicit Timer(benchmark::State& state, bool widgets)
        : state_(state)
    {
        if (widgets) {
            counter_ = std::make_unique<WidgetCounter>();
            qApp->installEventFilter(counter_.get());
        }
    }
    ~Timer() = default;

    void watch(Session& session)
    {
        if (!counter_)
            return;
        for (int i = 0; i < 3; ++i)
            counter_->watch(static_cast<QListWidget*>(session.widget(session.zol().Slowo[i]))->model());
    }

    template <class Action> void time(Action&& action)
    {
        if (counter_)
            counter_->reset();
        const double cpu_begin = thread_seconds();
        const auto begin = Clock::now();
        action();
        const double seconds = std::chrono::duration<double>(Clock::now() - begin).count();
        cpu_.push_back(thread_seconds() - cpu_begin);
        wall_.push_back(seconds);
        state_.SetIterationTime(seconds);
        if (counter_) {
            paints_ += counter_->paints;
            rows_inserted_ += counter_->rows_inserted;
            rows_removed_ += counter_->rows_removed;
            resets_ += counter_->resets;
        }
    }

    void report()
    {
        state_.counters["median_ms"] = median(wall_) * 1000.0;
        state_.counters["max_ms"]
            = wall_.empty() ? 0.0 : *std::max_element(wall_.begin(), wall_.end()) * 1000.0;
        state_.counters["cpu_ms"] = std::max(0.0, median(cpu_) - clock_overhead()) * 1000.0;
        if (counter_) {
            qApp->removeEventFilter(counter_.get());
            const auto per_action = benchmark::Counter::kAvgIterations;
            state_.counters["paints"] = benchmark::Counter(paints_, per_action);
            state_.counters["rows_in"] = benchmark::Counter(rows_inserted_, per_action);
            state_.counters["rows_out"] = benchmark::Counter(rows_removed_, per_action);
            state_.counters["resets"] = benchmark::Counter(resets_, per_action);
        }
    }

private:
    benchmark::State& state_;
    std::unique_ptr<WidgetCounter> counter_;
    std::vector<double> wall_;
    std::vector<double> cpu_;
    double paints_ = 0, rows_inserted_ = 0, rows_removed_ = 0, resets_ = 0;
};

// ---------------------------------------------------------------- the benchmarks

void package_construction(benchmark::State& state, int n)
{
    Timer timer(state, false);
    const content::Content content = bench::generated_content(n);
    for (auto _ : state) {
        content::Content copy = content;
        std::unique_ptr<content::Package> package;
        timer.time([&] { package = std::make_unique<content::Package>(std::move(copy)); });
        benchmark::DoNotOptimize(package.get());
    }
    timer.report();
}

void startup(benchmark::State& state, int n, bool widgets)
{
    Timer timer(state, widgets);
    const auto package = bench::generated_package(n);
    for (auto _ : state) {
        std::unique_ptr<Session> session;
        timer.time([&] {
            session = std::make_unique<Session>(package, widgets);
            session->start();
        });
        if (session->zol().Slowo[0].ListCount() != n || session->zol().Slowo[0].ListIndex() != 0)
            state.SkipWithError("start-up did not fill the lists");
    }
    timer.report();
}

// Selecting an expression in the middle of a full list; every iteration
// selects a different item than the one before.
void select_expression(benchmark::State& state, int n, bool widgets, int list)
{
    Timer timer(state, widgets);
    Session session(bench::generated_package(n), widgets);
    session.start();
    timer.watch(session);
    int turn = 0;
    for (auto _ : state) {
        const int row = n / 2 + (turn++ % 2);
        timer.time([&] {
            session.select(list, row);
            session.settle();
        });
    }
    if (session.zol().Slowo[list].ListIndex() != n / 2 + (turn - 1) % 2)
        state.SkipWithError("selection did not take");
    timer.report();
}

// "Избрах" on the middle expressions of two full lists; the pair is taken
// back afterwards, outside the time.
void record_pair(benchmark::State& state, int n, bool widgets)
{
    Timer timer(state, widgets);
    Session session(bench::generated_package(n), widgets);
    session.start();
    timer.watch(session);
    run::ZOL& zol = session.zol();
    for (auto _ : state) {
        zol.Slowo[0].learner_select(n / 2);
        zol.Slowo[1].learner_select(n / 2);
        session.settle();
        timer.time([&] {
            session.click(0);
            session.settle();
        });
        if (zol.Slowo[2].ListCount() != 1 || zol.Slowo[0].ListCount() != n - 1)
            state.SkipWithError("the pair was not recorded");
        zol.Slowo[2].learner_select(0);
        zol.Uprawl[1].learner_click();
        session.settle();
    }
    timer.report();
}

// "Върни" on the middle pair of n/2 recorded pairs; the pair is recorded
// again afterwards (at the end), outside the time, so the list stays as long.
void withdraw_pair(benchmark::State& state, int n, bool widgets)
{
    Timer timer(state, widgets);
    Session session(bench::generated_package(n), widgets);
    session.start();
    run::ZOL& zol = session.zol();
    const int pairs = std::max(3, n / 2);
    session.record_pairs(pairs);
    timer.watch(session);
    const content::Package& package = *bench::generated_package(n);
    const int middle = pairs / 2;
    for (auto _ : state) {
        if (zol.Slowo[2].ListIndex() != middle)
            zol.Slowo[2].learner_select(middle);
        const int left = tk::int16_from_text(zol.dum_N[2].List(middle));
        const int right = tk::int16_from_text(zol.dum_N[3].List(middle));
        session.settle();
        timer.time([&] {
            session.click(1);
            session.settle();
        });
        if (zol.Slowo[2].ListCount() != pairs - 1 || zol.Slowo[2].ListIndex() != middle)
            state.SkipWithError("the pair was not taken back");
        zol.Slowo[0].learner_select(zol.Slowo[0].FindFirst(package.Danni(0).List(left - 1)));
        zol.Slowo[1].learner_select(zol.Slowo[1].FindFirst(package.Danni(1).List(right - 1)));
        zol.Uprawl[0].learner_click();
    }
    timer.report();
}

// "Оцени" with every expression paired; each iteration needs a new run.
void evaluate(benchmark::State& state, int n, bool widgets)
{
    Timer timer(state, widgets);
    const auto package = bench::generated_package(n);
    for (auto _ : state) {
        Session session(package, widgets);
        session.start();
        session.record_pairs(n);
        timer.watch(session);
        timer.time([&] {
            session.click(2);
            session.settle();
        });
        if (!session.zol().evaluated())
            state.SkipWithError("the test was not evaluated");
    }
    timer.report();
}

// "Обясни" while pairing, on the middle expressions of two full lists: it
// records the pair and can be used once, so each iteration needs a new run.
void explain_pairing(benchmark::State& state, int n, bool widgets)
{
    Timer timer(state, widgets);
    const auto package = bench::generated_package(n);
    for (auto _ : state) {
        Session session(package, widgets);
        session.start();
        session.zol().Slowo[0].learner_select(n / 2);
        session.zol().Slowo[1].learner_select(n / 2);
        session.settle();
        timer.watch(session);
        timer.time([&] {
            session.click(3);
            session.settle();
        });
        if (session.zol().Slowo[2].ListCount() != 1 || session.zol().Uprawl[3].Enabled())
            state.SkipWithError("the explanation did not record the pair");
    }
    timer.report();
}

// "Обясни" after the evaluation, on pairs in the middle of all n pairs.
void explain_evaluated(benchmark::State& state, int n, bool widgets)
{
    Timer timer(state, widgets);
    Session session(bench::generated_package(n), widgets);
    session.start();
    session.record_pairs(n);
    session.zol().Uprawl[2].learner_click();
    session.settle();
    timer.watch(session);
    int turn = 0;
    for (auto _ : state) {
        session.zol().Slowo[2].learner_select(n / 2 + (turn++ % 2));
        session.settle();
        timer.time([&] {
            session.click(3);
            session.settle();
        });
    }
    if (session.zol().Prowerka[0].Text().find(" е във връзка с ") == std::string::npos)
        state.SkipWithError("no explanation shown");
    timer.report();
}

// Fewer iterations where one iteration needs a whole new run.
int iterations(int n, bool fresh_run)
{
    if (fresh_run)
        return n <= 100 ? 100 : n <= 1000 ? 30 : 10;
    return n <= 100 ? 1000 : n <= 1000 ? 200 : 50;
}

void register_all(bool widgets, const std::vector<int>& at_sizes)
{
    const std::string family = widgets ? "qt/" : "headless/";
    auto add = [&](const std::string& name, int n, bool fresh_run, auto function) {
        benchmark::RegisterBenchmark((family + name + "/" + std::to_string(n)).c_str(),
            [=](benchmark::State& state) { function(state, n); })
            ->UseManualTime()
            ->Unit(benchmark::kMillisecond)
            ->Iterations(iterations(n, fresh_run));
    };
    for (const int n : at_sizes) {
        if (!widgets)
            add("package", n, false, [](benchmark::State& s, int n) { package_construction(s, n); });
        add("startup", n, true, [widgets](benchmark::State& s, int n) { startup(s, n, widgets); });
        add("select_left", n, false,
            [widgets](benchmark::State& s, int n) { select_expression(s, n, widgets, 0); });
        add("select_right", n, false,
            [widgets](benchmark::State& s, int n) { select_expression(s, n, widgets, 1); });
        add("record", n, false, [widgets](benchmark::State& s, int n) { record_pair(s, n, widgets); });
        add("withdraw", n, false, [widgets](benchmark::State& s, int n) { withdraw_pair(s, n, widgets); });
        add("evaluate", n, true, [widgets](benchmark::State& s, int n) { evaluate(s, n, widgets); });
        add("explain_pairing", n, true,
            [widgets](benchmark::State& s, int n) { explain_pairing(s, n, widgets); });
        add("explain_evaluated", n, false,
            [widgets](benchmark::State& s, int n) { explain_evaluated(s, n, widgets); });
    }
}

// Prints as usual and also writes, for scripts/bench, one line for each
// benchmark to the file named by ZOL_BENCH_TSV: name, then mean, median,
// slowest and median processor time of one action, in milliseconds.
class TsvReporter : public benchmark::ConsoleReporter {
public:
    explicit TsvReporter(const char* path)
    {
        if (path && *path)
            out_.open(path);
    }
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        if (!out_)
            return;
        for (const Run& run : runs) {
            if (run.error_occurred) {
                out_ << run.benchmark_name() << "\terror\t" << run.error_message << "\n";
                continue;
            }
            auto counter = [&](const char* name) {
                const auto found = run.counters.find(name);
                return found == run.counters.end() ? 0.0 : static_cast<double>(found->second);
            };
            out_ << run.benchmark_name() << '\t' << run.GetAdjustedRealTime() << '\t' << counter("median_ms")
                 << '\t' << counter("max_ms") << '\t' << counter("cpu_ms") << '\n';
        }
        out_.flush();
    }

private:
    std::ofstream out_;
};

} // namespace

int main(int argc, char* argv[])
{
    // The binding family needs a QApplication; offscreen unless told otherwise.
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication application(argc, argv);

    clock_overhead();
    std::vector<int> all(std::begin(bench::sizes), std::end(bench::sizes));
    register_all(false, all);
    register_all(true, { content::max_expressions });

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    TsvReporter reporter(std::getenv("ZOL_BENCH_TSV"));
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
