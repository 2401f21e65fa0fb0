// The frame's drawing costs, offscreen: a hover change (one control's rectangle redrawn and
// painted) and a full rebuild of both layers, at the main window's size and at full HD.
#include "skin/main_frame.h"
#include "skin/skin_form.h"

#include <QApplication>

#include <benchmark/benchmark.h>

namespace {

class BenchFrame : public TSkinForm {
public:
    using TSkinForm::BuildLayers;
    using TSkinForm::SetHotControl;
};

BenchFrame &frame(int width, int height)
{
    static BenchFrame *f = [] {
        auto *w = new BenchFrame;
        skin::setUpMainFrame(*w);
        w->show();
        return w;
    }();
    if (f->size() != QSize(width, height)) {
        f->resize(width, height);
        QApplication::processEvents();
    }
    return *f;
}

void BM_HoverChange(benchmark::State &state)
{
    BenchFrame &f = frame(int(state.range(0)), int(state.range(1)));
    int firstModule = f.systemButtonCount();
    int i = 0;
    for (auto _ : state) {
        const int index = firstModule + (i++ % 7);
        f.SetHotControl(index);
        const TSkinControl c = f.control(index);
        f.repaint(c.Left, c.Top, c.Width, c.Height); // paint that rectangle now
    }
}
BENCHMARK(BM_HoverChange)->Args({696, 495})->Args({1920, 1080})->Unit(benchmark::kMicrosecond);

void BM_LayerRebuild(benchmark::State &state)
{
    BenchFrame &f = frame(int(state.range(0)), int(state.range(1)));
    for (auto _ : state)
        f.BuildLayers();
}
BENCHMARK(BM_LayerRebuild)->Args({696, 495})->Args({1920, 1080})->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
