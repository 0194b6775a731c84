// Page Down through a full configuration (30 categories of 100 buttons, each
// with an icon of its own), from the key to the repainted grid, beside a bare
// Qt grid of 100 icon buttons whose icons and texts change to the next set.
// Also the icon part alone: a category's icon files made into pictures beside
// Qt's QIcon(file). Runs in one process on Qt's offscreen platform (or
// DISPLAY where set). Prints the ratios after the runs; on a busy machine use
// --benchmark_repetitions=5 --benchmark_enable_random_interleaving=true.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include <QApplication>
#include <QElapsedTimer>
#include <QGridLayout>
#include <QIcon>
#include <QImage>
#include <QTest>
#include <QToolButton>

#include "config/LoadConfiguration.h"
#include "model/Model.h"
#include "platform/qt/QtIconSource.h"
#include "tests/support/Fakes.h"
#include "tests/support/TestPlatform.h"
#include "ui/qt/ButtonSlot.h"
#include "ui/qt/DorvaneView.h"
#include "ui/qt/MainFrame.h"
#include "ui/qt/QtButtonIcons.h"

namespace {

constexpr int kCategories = 30;
constexpr int kButtons = 100;

// The configuration and its icon files, made once.
struct Files {
    TempDir dir;
    std::vector<std::string> icons; // category * kButtons + slot
    Files() {
        std::string text = "DORVANE CONFIGURATION FILE v10.0\r\n01/01/2024  00:00:00\r\n"
                           "SETTINGS\r\nAutoHide 0\r\nBUTTONS\r\n";
        for (int c = 0; c < kCategories; ++c) {
            text += "CATEGORY Category " + std::to_string(c + 1) + "\r\n";
            for (int s = 0; s < kButtons; ++s) {
                const std::string name = std::to_string(c) + "-" + std::to_string(s);
                QImage image(32, 32, QImage::Format_ARGB32);
                image.fill(QColor::fromHsv((c * 12 + s * 3) % 360, 200, 200));
                const std::string icon = dir.File("icon " + name + ".png");
                image.save(QString::fromStdString(icon), "PNG");
                icons.push_back(icon);
                const std::string target = dir.Write("apps/tool " + name + ".txt", "x");
                text += "BUTTON " + std::to_string(s + 1) + " " + target + "\r\nTEXT Tool\\n" +
                        std::to_string(s + 1) + "\r\nICON 0 " + icon + "\r\nend\r\n";
            }
        }
        dir.Write("Buttons.cfg", text);
    }
};

Files& TheFiles() {
    static Files files;
    return files;
}

// Counts paints of one widget.
class PaintCounter : public QObject {
  public:
    int paints = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

// Processes events until `counter` saw a paint; false when none came within
// seconds (the key did nothing).
bool UntilPainted(PaintCounter& counter) {
    const int before = counter.paints;
    QElapsedTimer waited;
    waited.start();
    while (counter.paints == before) {
        if (waited.elapsed() > 5000)
            return false;
        QApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    return true;
}

void BM_PageDown(benchmark::State& state) {
    Files& files = TheFiles();
    TestPlatform tp;
    QtIconSource icons;
    Platform platform{tp.fs, tp.profile,   tp.clock, tp.prompter,
                      icons, tp.shortcuts, tp.sound, tp.shell};
    CModel model(platform);
    model.programFolder = files.dir.Path();
    model.configName = "Buttons";
    CMainFrame frame(model);
    frame.Start(StartupState{});
    frame.show();
    frame.activateWindow();
    QApplication::processEvents();
    // The last slot paints last: the grid is repainted when it has.
    PaintCounter counter;
    frame.View()->Slot(kButtons - 1)->installEventFilter(&counter);
    const auto pageDown = [&] {
        QTest::keyClick(&frame, Qt::Key_PageDown);
        return UntilPainted(counter);
    };
    for (int i = 0; state.range(0) == 1 && i < kCategories; ++i)
        pageDown();
    for (auto _ : state) {
        if (!pageDown()) {
            state.SkipWithError("Page Down did not repaint the grid");
            break;
        }
    }
}
// Each run starts a fresh window: the first pass through the categories
// decodes every icon once (Iterations = categories); with argument 1 a pass
// is made before the timing starts, so every visit finds its pictures made.
BENCHMARK(BM_PageDown)
    ->Name("first_visits")
    ->Arg(0)
    ->Iterations(kCategories)
    ->Unit(benchmark::kMicrosecond)
    ->UseRealTime();
BENCHMARK(BM_PageDown)->Name("later_visits")->Arg(1)->Unit(benchmark::kMicrosecond)->UseRealTime();

void BM_BareGridIconsChange(benchmark::State& state) {
    Files& files = TheFiles();
    std::vector<QIcon> icons;
    for (const std::string& file : files.icons)
        icons.emplace_back(QString::fromStdString(file));
    QWidget window;
    auto* layout = new QGridLayout(&window);
    layout->setSpacing(0);
    std::vector<QToolButton*> buttons;
    for (int i = 0; i < kButtons; ++i) {
        auto* button = new QToolButton;
        button->setIconSize(QSize(32, 32));
        button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        button->setFixedSize(64, 64);
        layout->addWidget(button, i / 10, i % 10);
        buttons.push_back(button);
    }
    window.show();
    QApplication::processEvents();
    PaintCounter counter;
    buttons.back()->installEventFilter(&counter);
    int category = 0;
    const auto next = [&] {
        category = (category + 1) % kCategories;
        for (int i = 0; i < kButtons; ++i) {
            buttons[static_cast<size_t>(i)]->setIcon(
                icons[static_cast<size_t>(category * kButtons + i)]);
            buttons[static_cast<size_t>(i)]->setText(
                QStringLiteral("Tool\n%1").arg(category * kButtons + i));
        }
        return UntilPainted(counter);
    };
    for (int i = 0; state.range(0) == 1 && i < kCategories; ++i)
        next();
    for (auto _ : state) {
        if (!next()) {
            state.SkipWithError("the grid did not repaint");
            break;
        }
    }
}
BENCHMARK(BM_BareGridIconsChange)
    ->Name("bare_first_visits")
    ->Arg(0)
    ->Iterations(kCategories)
    ->Unit(benchmark::kMicrosecond)
    ->UseRealTime();
BENCHMARK(BM_BareGridIconsChange)
    ->Name("bare_later_visits")
    ->Arg(1)
    ->Unit(benchmark::kMicrosecond)
    ->UseRealTime();

// Keeps the time of every run; with --benchmark_repetitions (best with
// --benchmark_enable_random_interleaving on a busy machine) the ratio is that
// of the medians.
// The icon part of a first visit alone: 100 icon files of a category made
// into button pictures, beside Qt's own QIcon(file) of the same files drawn
// at the button size.
void BM_DecodeCategory(benchmark::State& state) {
    Files& files = TheFiles();
    auto icons = std::make_unique<QtButtonIcons>(1.0);
    int category = 0;
    for (auto _ : state) {
        if (category == kCategories) {
            state.PauseTiming();
            icons = std::make_unique<QtButtonIcons>(1.0);
            category = 0;
            state.ResumeTiming();
        }
        for (int i = 0; i < kButtons; ++i) {
            ButtonIcon icon;
            icon.role = IconRole::File;
            icon.file = files.icons[static_cast<size_t>(category * kButtons + i)];
            benchmark::DoNotOptimize(icons->Pixmap(icon).cacheKey());
        }
        ++category;
    }
}
BENCHMARK(BM_DecodeCategory)->Name("decode_category")->Unit(benchmark::kMicrosecond);

void BM_BareDecodeCategory(benchmark::State& state) {
    Files& files = TheFiles();
    int category = 0;
    for (auto _ : state) {
        for (int i = 0; i < kButtons; ++i) {
            const QIcon icon(
                QString::fromStdString(files.icons[static_cast<size_t>(category * kButtons + i)]));
            benchmark::DoNotOptimize(icon.pixmap(32).cacheKey());
        }
        category = (category + 1) % kCategories;
    }
}
BENCHMARK(BM_BareDecodeCategory)->Name("bare_decode_category")->Unit(benchmark::kMicrosecond);

class RatioReporter : public benchmark::ConsoleReporter {
  public:
    std::map<std::string, std::vector<double>> seconds;
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs)
            if (run.iterations > 0 && run.run_type == Run::RT_Iteration && !run.error_occurred)
                seconds[run.run_name.function_name].push_back(run.real_accumulated_time /
                                                              static_cast<double>(run.iterations));
        ConsoleReporter::ReportRuns(runs);
    }
    double Median(const std::string& name) {
        auto found = seconds.find(name);
        if (found == seconds.end() || found->second.empty())
            return 0;
        std::vector<double>& times = found->second;
        std::sort(times.begin(), times.end());
        const std::size_t mid = times.size() / 2;
        return times.size() % 2 ? times[mid] : (times[mid - 1] + times[mid]) / 2;
    }
};

} // namespace

int main(int argc, char** argv) {
    if (!std::getenv("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const std::pair<const char*, const char*> ratios[] = {
        {"first_visits", "Page Down to repainted grid, first visits"},
        {"later_visits", "Page Down to repainted grid, later visits"},
        {"decode_category", "A category's 100 icon files made into pictures"},
    };
    for (const auto& [name, label] : ratios) {
        const double program = reporter.Median(name);
        const double bare = reporter.Median(std::string("bare_") + name);
        if (program > 0 && bare > 0)
            std::printf("%s: %.2f x bare Qt (medians of %zu)\n", label, program / bare,
                        reporter.seconds[name].size());
    }
    return 0;
}
