#include "board/fadeengine.h"
#include "game/gamerandom.h"

#include <QImage>

#include <benchmark/benchmark.h>

namespace {

QImage card(QRgb base) {
    QImage image(40, 40, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, base ^ qRgb(x * 6, y * 6, x + y));
    return image;
}

// One whole card transition; the callback only reads the frame, so the figure is the
// engine's own cost without any drawing on a screen.
void fadeCard(benchmark::State& state) {
    const auto steps = static_cast<qint32>(state.range(0));
    GameRandom random(1);
    FadeEngine engine(random);
    const QImage back = card(qRgb(128, 128, 128));
    const QImage face = card(qRgb(200, 0, 0));
    quint32 seen = 0;
    qint64 frames = 0;
    const FadeCallback touch = [&](const QImage& frame, qint32) {
        seen += *reinterpret_cast<const quint32*>(frame.constBits());
        ++frames;
    };

    for (auto _ : state)
        engine.fade(back, face, steps, touch, 0);

    benchmark::DoNotOptimize(seen);
    state.counters["frames/s"] = benchmark::Counter(double(frames), benchmark::Counter::kIsRate);
}

} // namespace

BENCHMARK(fadeCard)->Arg(1)->Arg(75)->Arg(500)->Arg(1600)->Unit(benchmark::kMicrosecond);
