#include "form1_widget_fixture.h"

#include "assets/game_icon.h"
#include "ui/twips.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QImage>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <optional>
#include <thread>

namespace mossaline::testing {
namespace {

using Form1Startup = Form1WidgetFixture;

// Sees the main window shown and whether the start cue was over by then.
class ShowWatch final : public QObject {
public:
    std::atomic<bool> cue_over{false};
    std::atomic<bool> shown{false};
    std::optional<bool> cue_over_when_shown;

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show && qobject_cast<Form1Widget*>(watched) && !shown) {
            cue_over_when_shown = cue_over.load();
            shown = true;
        }
        return false;
    }
};

TEST_F(Form1Startup, TheChimeSoundsOnceBeforeTheWindowIsShown)
{
    ShowWatch watch;
    qApp->installEventFilter(&watch);
    std::string count_during_cue;
    recorded.while_playing = [&](Cue) {
        count_during_cue = form.Label5.caption;
        // The cue sounds while the window is built; it lasts long enough here for a window
        // shown too early to be seen.
        for (int i = 0; i < 50 && !watch.shown; ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        watch.cue_over = true;
    };
    open();
    qApp->removeEventFilter(&watch);
    EXPECT_EQ(recorded.played, (std::vector<Cue>{Cue::ChimeUp}));
    // Fault: a window shown, and so handling events, while its start cue still sounds.
    EXPECT_EQ(watch.cue_over_when_shown, true);
    EXPECT_EQ(count_during_cue, "44");
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(window->ambient_timer().isActive());
    EXPECT_EQ(window->ambient_timer().interval(), 1000);
    EXPECT_FALSE(window->flicker_timer().isActive());
}

// Fault: the cue player, which outlives the window, bringing a window already gone up to date.
TEST_F(Form1Startup, ACueAfterTheWindowIsGoneRepaintsNothing)
{
    load();
    window.reset();
    cues.play(Cue::Normal);
    EXPECT_EQ(recorded.played, (std::vector<Cue>{Cue::Normal}));
}

bool image_plugin_loaded()
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("/imageformats/");
}

// Fault: a picture left to the toolkit to recognise is first offered to every image plug-in
// installed, and so loads them all, and the libraries behind them, while the window starts.
TEST_F(Form1Startup, ThePicturesAndTheIconAreReadWithoutTheImagePlugins)
{
    if (image_plugin_loaded())
        GTEST_SKIP() << "an earlier test in this process loaded an image plug-in";
    load();
    // The upper part of the picture left of the title, clear of the board's ring, shows more
    // than the black behind it: the pictures were read at all.
    const QImage drawn = window->grab().toImage();
    const int scale = drawn.width() / window->width();
    bool picture_shown = false;
    for (int y = 8 * scale; y < 60 * scale; ++y)
        for (int x = 96 * scale; x < 153 * scale; ++x)
            picture_shown = picture_shown || drawn.pixelColor(x, y) != QColor(Qt::black);
    EXPECT_TRUE(picture_shown);
    EXPECT_FALSE(pictures::game_icon().isNull());
    EXPECT_FALSE(image_plugin_loaded());

    // One of the icon's pictures left to the toolkit to recognise.
    const QImage guessed(QStringLiteral(":/icon/icon-16.png"));
    ASSERT_FALSE(guessed.isNull());
    EXPECT_TRUE(image_plugin_loaded()) << "no image plug-in is installed: this test cannot fail";
}

TEST_F(Form1Startup, TheWindowHasItsDesignSizeCaptionAndNativeControls)
{
    load();
    EXPECT_EQ(window->windowTitle(), "Form1");
    EXPECT_EQ(window->size(), QSize(658, 445));
    EXPECT_EQ(window->minimumSize(), window->maximumSize()) << "the window cannot be resized";
    auto* options = qobject_cast<QAbstractButton*>(window->natives().widget("Check1"));
    ASSERT_NE(options, nullptr);
    EXPECT_TRUE(options->isVisible());
    EXPECT_FALSE(options->isChecked());
    EXPECT_EQ(options->text(), "OPTIONS");
    EXPECT_EQ(options->geometry(), QRect(520, 80, 97, 25));
    QWidget* panel = window->natives().widget("Frame1");
    ASSERT_NE(panel, nullptr);
    EXPECT_FALSE(panel->isVisible());
    EXPECT_EQ(panel->geometry(), QRect(496, 112, 145, 225));
    for (const char* name : {"Check2", "Check3", "Check4", "Check5", "Label9", "Option1", "Option8"}) {
        QWidget* inside = window->natives().widget(name);
        ASSERT_NE(inside, nullptr) << name;
        EXPECT_EQ(inside->parentWidget(), panel) << name;
    }
    EXPECT_EQ(window->natives().widget("Option4")->geometry(), QRect(112, 192, 17, 17));
}

TEST_F(Form1Startup, LabelsAndPicturesTakeTheirOwnClicksShapesNever)
{
    load();
    const ControlSurface* surface = window->surface();
    EXPECT_EQ(surface->control_at(4000, 300), &form.window.control("Label3"));
    EXPECT_EQ(surface->control_at(9200, 300), &form.Label5);
    EXPECT_EQ(surface->control_at(1500, 500), &form.Image2);
    EXPECT_EQ(surface->control_at(8300, 6000), &form.Label1);
    // A marble, a hole ring and the board disc are the window's own surface.
    EXPECT_EQ(surface->control_at(4207, 1087), nullptr);
    EXPECT_EQ(surface->control_at(2300, 2000), nullptr);

    Pointer p = pointer();
    p.click(4000, 300); // the title: not a click on the board
    EXPECT_TRUE(recorded.played.empty());
    p.click(1000, 3000); // the window's margin: a click that moves nothing
    EXPECT_EQ(recorded.played, (std::vector<Cue>{Cue::Normal}));
}

} // namespace
} // namespace mossaline::testing
