// Painting the main window, and a click or a pointer move through the real widgets until the
// screen shows the result. Offscreen platform (the raster engine), unless QT_QPA_PLATFORM says
// otherwise. `--scale=2` runs the on-screen cases at twice the device pixels.
#include "bench_game.h"

#include "ui/open_main_window.h"
#include "ui/repainting_cue_player.h"
#include "ui/twips.h"

#include <QAbstractButton>
#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QPaintEvent>

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstring>
#include <memory>

namespace mossaline::bench {
namespace {

// Counts the surface's paint events and the logical pixels they cover.
class PaintCounter final : public QObject {
public:
    int paints = 0; ///< paint events so far
    double pixels = 0; ///< logical pixels of their regions, summed

    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            ++paints;
            for (const QRect& rect : static_cast<QPaintEvent*>(event)->region())
                pixels += static_cast<double>(rect.width()) * rect.height();
        }
        return false;
    }
};

// The game's main window, shown offscreen and wired like the game: by default the screen is
// brought up to date before every cue, as the game does; cues themselves are silent.
struct WidgetGame {
    Module1 module;
    SilentCuePlayer silent;
    RepaintingCuePlayer cues{silent};
    FixedRandom random;
    Form1 window_model;
    Form1Names& form;
    std::unique_ptr<Form1Widget> opened;
    Form1Widget& window;
    PaintCounter counter;

    explicit WidgetGame(bool repaint_before_cues = true)
        : window_model(module, repaint_before_cues ? static_cast<CuePlayer&>(cues) : silent, random, [] {})
        , form(design_names(window_model))
        , opened((window_model.load(), open_main_window(window_model, cues)))
        , window(*opened)
    {
        settle();
        window.surface()->installEventFilter(&counter);
    }
    // Lets every posted update reach the screen.
    static void settle() { QApplication::processEvents(); }
};

// A real pointer event on a widget at a point in twips, as the platform would deliver it.
void send(QWidget* target, QEvent::Type type, double x, double y, Qt::MouseButton button, Qt::MouseButtons held)
{
    const QPointF local(to_pixels(x), to_pixels(y));
    QMouseEvent event(type, local, target->mapToGlobal(local), button, held, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

void move_to(QWidget* target, int cell)
{
    send(target, QEvent::MouseMove, cell_x(cell), cell_y(cell), Qt::NoButton, Qt::NoButton);
}

// Press and release where the pointer already is: no motion event in between, as with a mouse.
void click_twips(QWidget* target, double x, double y)
{
    send(target, QEvent::MouseButtonPress, x, y, Qt::LeftButton, Qt::LeftButton);
    send(target, QEvent::MouseButtonRelease, x, y, Qt::LeftButton, Qt::NoButton);
}

void click_at(QWidget* target, int cell)
{
    click_twips(target, cell_x(cell), cell_y(cell));
}

double scale_arg(const benchmark::State& state)
{
    return static_cast<double>(state.range(0));
}

QImage target_image(const QWidget& widget, double scale)
{
    QImage image(widget.size() * scale, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(scale);
    return image;
}

// Everything on the surface painted into an image: the cost of a full repaint.
void BM_RenderSurface(benchmark::State& state)
{
    WidgetGame game;
    QImage image = target_image(*game.window.surface(), scale_arg(state));
    for (auto _ : state)
        game.window.surface()->render(&image);
    benchmark::DoNotOptimize(image.constBits());
}
BENCHMARK(BM_RenderSurface)->ArgName("scale")->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

// The whole window, native controls included.
void BM_RenderWindow(benchmark::State& state)
{
    WidgetGame game;
    QImage image = target_image(game.window, scale_arg(state));
    for (auto _ : state)
        game.window.render(&image);
    benchmark::DoNotOptimize(image.constBits());
}
BENCHMARK(BM_RenderWindow)->ArgName("scale")->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

constexpr int kJumpFrom = cell_index(4, 2);
constexpr int kJumpTo = kCentreCell;

// Reports the paints per iteration and the share of the surface they covered.
void report_paints(benchmark::State& state, const WidgetGame& game, int paints, double pixels)
{
    const QSize size = game.window.surface()->size();
    const double iterations = static_cast<double>(state.iterations());
    state.counters["paints"] = paints / iterations;
    state.counters["painted_share"] = pixels / iterations / (size.width() * size.height());
}

// Puts the window back at the position before the jump, with the screen up to date; untimed.
void reset_to(WidgetGame& game, const Snapshot& before)
{
    before.restore(game.form, game.module);
    game.window.sync();
    WidgetGame::settle();
}

// A player's jump: press and release on the target cell, until the screen shows the move.
// Handler, the repaint before the gain cue and whatever the event loop paints after it.
void BM_JumpClickToScreen(benchmark::State& state)
{
    WidgetGame game;
    mark(game.form, kJumpFrom);
    move_to(game.window.surface(), kJumpTo);
    const Snapshot before(game.form, game.module);
    int paints = 0;
    double pixels = 0;
    for (auto _ : state) {
        reset_to(game, before);
        const int paints_before = game.counter.paints;
        const double pixels_before = game.counter.pixels;
        const auto start = std::chrono::steady_clock::now();
        click_at(game.window.surface(), kJumpTo);
        WidgetGame::settle();
        const auto stop = std::chrono::steady_clock::now();
        state.SetIterationTime(std::chrono::duration<double>(stop - start).count());
        paints += game.counter.paints - paints_before;
        pixels += game.counter.pixels - pixels_before;
    }
    if (game.silent.last != Cue::Gain || game.module.marbles_left != 43)
        state.SkipWithError("the click was not a jump");
    report_paints(state, game, paints, pixels);
}
BENCHMARK(BM_JumpClickToScreen)->UseManualTime()->Unit(benchmark::kMicrosecond);

// The repaint after one jump alone: the handler runs untimed (with no repaint before its cue),
// then the window is brought up to date and painted.
void BM_RepaintAfterJump(benchmark::State& state)
{
    WidgetGame game(false);
    mark(game.form, kJumpFrom);
    move_to(game.window.surface(), kJumpTo);
    const Snapshot before(game.form, game.module);
    int paints = 0;
    double pixels = 0;
    for (auto _ : state) {
        reset_to(game, before);
        game.form.Form_Click();
        const int paints_before = game.counter.paints;
        const double pixels_before = game.counter.pixels;
        const auto start = std::chrono::steady_clock::now();
        game.window.sync();
        WidgetGame::settle();
        const auto stop = std::chrono::steady_clock::now();
        state.SetIterationTime(std::chrono::duration<double>(stop - start).count());
        paints += game.counter.paints - paints_before;
        pixels += game.counter.pixels - pixels_before;
    }
    if (game.silent.last != Cue::Gain)
        state.SkipWithError("the click was not a jump");
    report_paints(state, game, paints, pixels);
}
BENCHMARK(BM_RepaintAfterJump)->UseManualTime()->Unit(benchmark::kMicrosecond);

// The pointer crossing from one cell to the next: the hover marker follows, until on screen.
void BM_HoverMoveToScreen(benchmark::State& state)
{
    WidgetGame game;
    bool left = true;
    int paints = 0;
    double pixels = 0;
    for (auto _ : state) {
        const int cell = left ? kJumpFrom : kJumpTo;
        const int paints_before = game.counter.paints;
        const double pixels_before = game.counter.pixels;
        move_to(game.window.surface(), cell);
        WidgetGame::settle();
        paints += game.counter.paints - paints_before;
        pixels += game.counter.pixels - pixels_before;
        left = !left;
    }
    report_paints(state, game, paints, pixels);
}
BENCHMARK(BM_HoverMoveToScreen)->Unit(benchmark::kMicrosecond);

// A colour button: the board disc and everything on it are painted again.
void BM_BoardColourToScreen(benchmark::State& state)
{
    WidgetGame game;
    auto* green = qobject_cast<QAbstractButton*>(game.window.natives().widget("Option5"));
    auto* orange = qobject_cast<QAbstractButton*>(game.window.natives().widget("Option1"));
    int paints = 0;
    double pixels = 0;
    bool to_green = true;
    for (auto _ : state) {
        const int paints_before = game.counter.paints;
        const double pixels_before = game.counter.pixels;
        (to_green ? green : orange)->click();
        WidgetGame::settle();
        paints += game.counter.paints - paints_before;
        pixels += game.counter.pixels - pixels_before;
        to_green = !to_green;
    }
    if (game.form.Shape1.fill_colour != game.form.Option[to_green ? 1 : 5]->back_colour)
        state.SkipWithError("the colour buttons did not recolour the board");
    report_paints(state, game, paints, pixels);
}
BENCHMARK(BM_BoardColourToScreen)->Unit(benchmark::kMicrosecond);

// RESTART after a jump: three cells and the count come back, with the repaint before its cues.
void BM_RestartToScreen(benchmark::State& state)
{
    constexpr double kRestartX = 8500; // inside Label2's box
    constexpr double kRestartY = 5400;
    WidgetGame game;
    int paints = 0;
    double pixels = 0;
    for (auto _ : state) {
        mark(game.form, kJumpFrom);
        move_to(game.window.surface(), kJumpTo);
        click_at(game.window.surface(), kJumpTo);
        send(game.window.surface(), QEvent::MouseMove, kRestartX, kRestartY, Qt::NoButton, Qt::NoButton);
        WidgetGame::settle();
        const int paints_before = game.counter.paints;
        const double pixels_before = game.counter.pixels;
        const auto start = std::chrono::steady_clock::now();
        click_twips(game.window.surface(), kRestartX, kRestartY);
        WidgetGame::settle();
        const auto stop = std::chrono::steady_clock::now();
        state.SetIterationTime(std::chrono::duration<double>(stop - start).count());
        paints += game.counter.paints - paints_before;
        pixels += game.counter.pixels - pixels_before;
    }
    if (game.module.marbles_left != 44 || game.silent.last != Cue::RingIn)
        state.SkipWithError("RESTART did not restart");
    report_paints(state, game, paints, pixels);
}
BENCHMARK(BM_RestartToScreen)->UseManualTime()->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace mossaline::bench

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    // The platform's scale is fixed when the application starts, so it is an option here.
    for (int i = 1; i < argc; ++i)
        if (std::strncmp(argv[i], "--scale=", 8) == 0)
            qputenv("QT_SCALE_FACTOR", argv[i] + 8);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    benchmark::AddCustomContext("device_pixel_ratio", std::to_string(app.devicePixelRatio()));
    benchmark::AddCustomContext("platform", QApplication::platformName().toStdString());
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
