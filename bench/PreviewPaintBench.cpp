// From a click in the main window to the pixel on the X screen: a color change that patches
// the live preview, a layout change that loads it again, the first change after a template
// load, a plain list-row highlight as the floor, and the start of the program. Run under Xvfb.
#include "CatalogView.h"
#include "ColorsPanel.h"
#include "CustomizeView.h"
#include "LayoutsPanel.h"
#include "MainWindow.h"
#include "PreviewBrowser.h"
#include "QtBrowsers.h"
#include "QtUi.h"
#include "SoftwareRendering.h"
#include "SwatchList.h"
#include "app/Session.h"
#include "support/Fakes.h"
#include "support/TestFolder.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <QWebEngineView>
#include <benchmark/benchmark.h>
#include <functional>
#include <memory>
#include <optional>

namespace {

using namespace quorlex;
using namespace quorlex::test;
namespace fs = std::filesystem;

constexpr int kNavy = 5;
constexpr int kMaroon = 1;
constexpr qint64 kTimeoutMs = 10000;
constexpr int kScreenPollMs = 10;
constexpr qint64 kPauseMs = 300;

QImage ScreenRect(const QRect& rect) {
    return QGuiApplication::primaryScreen()->grabWindow(0, rect.x(), rect.y(), rect.width(), rect.height()).toImage();
}

QRect ScreenRectOf(QWidget* widget) { return QRect(widget->mapToGlobal(QPoint(0, 0)), widget->size()); }

// Handles events until `done` holds, asking at least every `pollMs`; false on timeout.
bool RunUntil(const std::function<bool()>& done, qint64 timeoutMs = kTimeoutMs, int pollMs = 1) {
    QElapsedTimer clock;
    clock.start();
    QTimer wake;
    wake.start(pollMs);
    while (!done()) {
        if (clock.elapsed() > timeoutMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    return true;
}

// The screen picture of `rect` once it has not changed for 300 ms.
QImage Settled(const QRect& rect) {
    QImage last = ScreenRect(rect);
    QElapsedTimer still;
    still.start();
    RunUntil([&] {
        const QImage now = ScreenRect(rect);
        if (now != last) {
            last = now;
            still.restart();
        }
        return still.elapsed() >= 300;
    });
    return last;
}

// One screen pixel that tells two states apart, with its color in each.
struct Probe {
    QPoint pixel;
    QRgb first = 0;
    QRgb second = 0;
};

// Brings `rect` into the first state and then the second, and finds a pixel that differs.
std::optional<Probe> Calibrate(const QRect& rect, const std::function<void()>& toFirst,
                               const std::function<void()>& toSecond) {
    toFirst();
    const QImage first = Settled(rect);
    toSecond();
    const QImage second = Settled(rect);
    for (int y = 0; y < first.height(); y += 2)
        for (int x = 0; x < first.width(); x += 2)
            if (first.pixel(x, y) != second.pixel(x, y))
                return Probe{rect.topLeft() + QPoint(x, y), first.pixel(x, y), second.pixel(x, y)};
    return std::nullopt;
}

// Milliseconds from `act` until the probe's pixel shows `expected` on the screen. A user's
// clicks come a while apart, when the browser has stopped making frames: so do these.
double PaintLatency(const std::function<void()>& act, const Probe& probe, QRgb expected) {
    QElapsedTimer pause;
    pause.start();
    RunUntil([&] { return pause.elapsed() >= kPauseMs; });
    const QRect pixel(probe.pixel, QSize(1, 1));
    QElapsedTimer clock;
    clock.start();
    act();
    if (!RunUntil([&] { return ScreenRect(pixel).pixel(0, 0) == expected; }))
        return -1;
    return static_cast<double>(clock.nsecsElapsed()) / 1e6;
}

void ClickRow(QListWidget* list, int row) {
    list->scrollToItem(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
}

// The main window over copies of the sample templates, customizing the first one.
class Program {
public:
    Program() {
        const fs::path templates = QUORLEX_SAMPLE_TEMPLATES;
        fs::copy(templates, m_folder.path() / "templates", fs::copy_options::recursive);
        fs::copy(templates.parent_path() / "help", m_folder.path() / "help", fs::copy_options::recursive);
        m_window = std::make_unique<MainWindow>(m_session, m_browsers, QString());
        m_ui.SetWindow(m_window.get());
        m_window->FormCreate(ProgramFolders::InPlace(m_folder.path()));
        m_window->setGeometry(QGuiApplication::primaryScreen()->availableGeometry());
        m_window->show();
        m_exposed = QTest::qWaitForWindowExposed(m_window.get());
        QTreeWidget* catalog = m_window->catalogView()->list();
        catalog->setCurrentItem(catalog->topLevelItem(0));
    }

    // Loads the template and waits until the preview has painted it; false on failure.
    bool Load() {
        bool loaded = false;
        auto connection = QObject::connect(preview(), &QWebEngineView::loadFinished, [&] { loaded = true; });
        QTest::mouseClick(m_window->catalogView()->customizeButton(), Qt::LeftButton);
        const bool ok = RunUntil([&] { return loaded; });
        QObject::disconnect(connection);
        Settled(ScreenRectOf(preview()));
        return m_exposed && ok;
    }

    void ShowCatalog() { m_window->findChild<QTabWidget*>(QStringLiteral("PageControl1"))->setCurrentIndex(0); }
    void ShowSubPage(int index) {
        m_window->customizeView()->subPages()->setCurrentIndex(index);
        Settled(ScreenRectOf(m_window.get()));
    }
    PreviewBrowser* preview() { return m_window->customizeView()->preview(); }
    ColorsPanel* colors() { return m_window->customizeView()->colorsPanel(); }
    LayoutsPanel* layouts() { return m_window->customizeView()->layoutsPanel(); }

private:
    TestFolder m_folder;
    QtUi m_ui;
    RecordingPlatform m_platform;
    QtBrowsers m_browsers;
    Session m_session{m_ui, m_platform, m_browsers};
    std::unique_ptr<MainWindow> m_window;
    bool m_exposed = false;
};

std::unique_ptr<Program> g_program;

// One window for every benchmark, with the first template loaded; nothing when it fails.
Program* TheProgram() {
    if (!g_program) {
        g_program = std::make_unique<Program>();
        if (!g_program->Load())
            g_program.reset();
    }
    return g_program.get();
}

// Two states of the window told apart by one pixel; each repetition of a benchmark times one
// change to the other state.
class Alternation {
public:
    Alternation(std::function<void()> toFirst, std::function<void()> toSecond)
        : m_toFirst(std::move(toFirst)), m_toSecond(std::move(toSecond)) {}

    // Finds the pixel once; false when the two states look the same.
    bool Calibrated(const QRect& area) {
        if (!m_probe)
            m_probe = Calibrate(area, m_toFirst, m_toSecond);
        return m_probe.has_value();
    }

    void Measure(benchmark::State& state, const QRect& area) {
        if (!Calibrated(area))
            return state.SkipWithError("the two states look the same");
        for (auto _ : state) {
            m_second = !m_second;
            const double ms = m_second ? PaintLatency(m_toSecond, *m_probe, m_probe->second)
                                       : PaintLatency(m_toFirst, *m_probe, m_probe->first);
            if (ms < 0)
                return state.SkipWithError("the change never reached the screen");
            state.SetIterationTime(ms / 1000);
        }
    }

    const std::optional<Probe>& probe() const { return m_probe; }

private:
    std::function<void()> m_toFirst;
    std::function<void()> m_toSecond;
    std::optional<Probe> m_probe;
    bool m_second = true; // calibration ends in the second state
};

Alternation& ColorSwatches(Program& program) {
    static Alternation colors([&] { ClickRow(program.colors()->swatchList(), kNavy); },
                              [&] { ClickRow(program.colors()->swatchList(), kMaroon); });
    return colors;
}

void BM_ColorChangePainted(benchmark::State& state) {
    Program* program = TheProgram();
    if (!program)
        return state.SkipWithError("the template did not load");
    program->ShowSubPage(0);
    ClickRow(program->colors()->titleList(), 0);
    ColorSwatches(*program).Measure(state, ScreenRectOf(program->preview()));
}

void BM_LayoutChangePainted(benchmark::State& state) {
    Program* program = TheProgram();
    if (!program)
        return state.SkipWithError("the template did not load");
    program->ShowSubPage(2);
    if (!program->layouts()->titleList()->currentItem())
        ClickRow(program->layouts()->titleList(), 0);
    static Alternation layouts([program] { ClickRow(program->layouts()->optionList(), 0); },
                               [program] { ClickRow(program->layouts()->optionList(), 1); });
    layouts.Measure(state, ScreenRectOf(program->preview()));
}

// The floor: a click on a row of the color titles, which only moves the highlight.
void BM_ListHighlightPainted(benchmark::State& state) {
    Program* program = TheProgram();
    if (!program)
        return state.SkipWithError("the template did not load");
    program->ShowSubPage(0);
    QListWidget* titles = program->colors()->titleList();
    static Alternation rows([titles] { ClickRow(titles, 1); }, [titles] { ClickRow(titles, 2); });
    rows.Measure(state, ScreenRectOf(titles));
}

// On each fresh load, times the first change after it (the iteration's time) and the change
// after that one, reported beside it with the difference of the two. Both come from the same
// loads, so a slow or fast spell of the machine weighs on both alike.
void MeasureAfterLoads(benchmark::State& state, const std::function<bool()>& load, const std::function<void()>& toFirst,
                       const std::function<void()>& toSecond, const Probe& probe) {
    for (auto _ : state) {
        if (!load())
            return state.SkipWithError("the page did not load");
        const double first = PaintLatency(toFirst, probe, probe.first);
        const double second = first < 0 ? -1 : PaintLatency(toSecond, probe, probe.second);
        if (second < 0)
            return state.SkipWithError("the change never reached the screen");
        state.SetIterationTime(first / 1000);
        state.counters["second_ms"] = second;
        state.counters["first_minus_second_ms"] = first - second;
    }
}

// A color change right after the template was loaded again, and the one after it.
void BM_ChangeAfterLoadPainted(benchmark::State& state) {
    Program* program = TheProgram();
    if (!program)
        return state.SkipWithError("the template did not load");
    program->ShowSubPage(0);
    ClickRow(program->colors()->titleList(), 0);
    Alternation& colors = ColorSwatches(*program);
    if (!colors.Calibrated(ScreenRectOf(program->preview())))
        return state.SkipWithError("the two states look the same");
    QListWidget* swatches = program->colors()->swatchList();
    const auto load = [program] {
        program->ShowCatalog();
        const bool loaded = program->Load();
        ClickRow(program->colors()->titleList(), 0);
        return loaded;
    };
    MeasureAfterLoads(
        state, load, [swatches] { ClickRow(swatches, kNavy); }, [swatches] { ClickRow(swatches, kMaroon); },
        *colors.probe());
}

// The preview's page in a plain browser view with none of this program's code, its first style
// block's text replaced by a script as the preview does: what the browser alone takes, from the
// script's call to the pixel, after loads as above.
void BM_BareViewChangeAfterLoadPainted(benchmark::State& state) {
    Program* program = TheProgram();
    if (!program)
        return state.SkipWithError("the template did not load");
    const QUrl page = program->preview()->url();
    QWebEngineView view;
    view.setGeometry(QRect(program->preview()->mapToGlobal(QPoint(0, 0)), program->preview()->size()));
    view.show();
    const auto load = [&view, page] {
        bool loaded = false;
        auto connection = QObject::connect(&view, &QWebEngineView::loadFinished, [&] { loaded = true; });
        view.load(page);
        const bool ok = RunUntil([&] { return loaded; });
        QObject::disconnect(connection);
        Settled(ScreenRectOf(&view));
        return ok;
    };
    const auto background = [&view](const char* color) {
        return [&view, color] {
            view.page()->runJavaScript(
                QStringLiteral("var block = document.querySelector('style');"
                               "if (window.original === undefined) window.original = block.textContent;"
                               "block.textContent = window.original + 'body { background: %1 !important }';")
                    .arg(QLatin1String(color)));
        };
    };
    if (!QTest::qWaitForWindowExposed(&view) || !load())
        return state.SkipWithError("the page did not load");
    Alternation colors(background("navy"), background("maroon"));
    if (!colors.Calibrated(ScreenRectOf(&view)))
        return state.SkipWithError("the two states look the same");
    MeasureAfterLoads(state, load, background("navy"), background("maroon"), *colors.probe());
}

// From starting the program to the last change of the screen before it stays still for 2 s.
// Reading the whole screen is slow for the X server, so it is read only every few milliseconds.
void BM_StartupPainted(benchmark::State& state) {
    g_program.reset(); // the start is timed with no other window of ours on the screen
    TestFolder home;
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    for (auto _ : state) {
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_DATA_HOME"), QString::fromStdString(home.path().string()));
        program.setProcessEnvironment(environment);
        const QImage blank = ScreenRect(screen);
        QImage last = blank;
        QElapsedTimer clock;
        QElapsedTimer still;
        qint64 lastChange = -1;
        clock.start();
        still.start();
        program.start(QStringLiteral(QUORLEX_PROGRAM), {});
        RunUntil(
            [&] {
                const QImage now = ScreenRect(screen);
                if (now != last) {
                    last = now;
                    lastChange = clock.nsecsElapsed();
                    still.restart();
                }
                return lastChange >= 0 && still.elapsed() >= 2000;
            },
            30000, kScreenPollMs);
        program.terminate();
        program.waitForFinished();
        if (lastChange < 0)
            return state.SkipWithError("the program never painted");
        state.SetIterationTime(static_cast<double>(lastChange) / 1e9);
    }
}

// Each repetition is one change; the report gives their median.
void Changes(benchmark::internal::Benchmark* benchmark, int count) {
    benchmark->UseManualTime()
        ->Unit(benchmark::kMillisecond)
        ->Iterations(1)
        ->Repetitions(count)
        ->ReportAggregatesOnly(true);
}

BENCHMARK(BM_ListHighlightPainted)->Apply([](auto* b) { Changes(b, 40); });
BENCHMARK(BM_ColorChangePainted)->Apply([](auto* b) { Changes(b, 40); });
BENCHMARK(BM_LayoutChangePainted)->Apply([](auto* b) { Changes(b, 20); });
BENCHMARK(BM_ChangeAfterLoadPainted)->Apply([](auto* b) { Changes(b, 30); });
BENCHMARK(BM_BareViewChangeAfterLoadPainted)->Apply([](auto* b) { Changes(b, 30); });
BENCHMARK(BM_StartupPainted)->Apply([](auto* b) { Changes(b, 5); });

} // namespace

int main(int argc, char** argv) {
    UseSoftwareRendering();
    QApplication app(argc, argv);
    RestoreUserEnvironment();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    g_program.reset();
    return 0;
}
