#include "form1_widget_fixture.h"
#include "options_fixture.h"

#include <QEvent>
#include <QObject>
#include <QTest>

#include <functional>
#include <string>
#include <vector>

namespace mossaline::testing {
namespace {

// Inside RESTART's box (7800, 5160, 1455, 495).
constexpr double kRestartX = 8500;
constexpr double kRestartY = 5400;

/// What the window's surface showed at its latest paint.
class PaintWatcher : public QObject {
public:
    /// Watches `surface`; `marbles` tells which discs are shown, `count` is the count label.
    PaintWatcher(QWidget* surface, std::function<std::vector<int>()> marbles, const Control& count)
        : marbles_(std::move(marbles))
        , count_(count)
    {
        surface->installEventFilter(this);
    }

    int paints = 0; ///< paint events seen
    std::vector<int> painted_marbles; ///< marble discs shown at the latest paint
    std::string painted_count; ///< the count's caption at the latest paint

    /// Notes what each paint of the surface draws; lets every event through.
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            ++paints;
            painted_marbles = marbles_();
            painted_count = count_.caption;
        }
        return false;
    }

private:
    std::function<std::vector<int>()> marbles_;
    const Control& count_;
};

class RestartWidget : public Form1WidgetFixture {
protected:
    /// Cells whose marble disc is shown.
    std::vector<int> shown_marbles() const
    {
        std::vector<int> shown;
        for (int cell : board_cells())
            if (form.Shape3(cell)->visible)
                shown.push_back(cell);
        return shown;
    }
    /// The 44 cells of the start position that hold a marble.
    static std::vector<int> start_marbles()
    {
        std::vector<int> cells;
        for (int cell : board_cells())
            if (cell != kCentreCell)
                cells.push_back(cell);
        return cells;
    }
};

TEST_F(RestartWidget, ClickOnRestartRedrawsTheBoardBeforeItsThreeCues)
{
    load();
    // Paints reach a window only once the platform has put it on the screen. Waiting runs
    // the event loop: should an ambient tick come meanwhile, it draws a quiet number.
    random.draws.assign(4, 0.0f);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    Pointer p = pointer();
    p.click_cell(4, 4); // 39 into the centre
    p.click_cell(4, 0); // onto 37
    p.click_cell(4, 2); // 37 into 39
    ASSERT_EQ(form.Label5.caption, "42");
    recorded.played.clear();

    PaintWatcher watcher(
        window->surface(), [this] { return shown_marbles(); }, form.Label5);
    std::vector<int> painted_at_first_cue;
    std::string count_at_first_cue;
    int paints_before_first_cue = 0;
    recorded.while_playing = [&](Cue) {
        if (recorded.played.size() == 1) {
            paints_before_first_cue = watcher.paints;
            painted_at_first_cue = watcher.painted_marbles;
            count_at_first_cue = watcher.painted_count;
        }
    };
    p.click(kRestartX, kRestartY);
    EXPECT_EQ(recorded.played, (std::vector<Cue>{Cue::Normal, Cue::RingIn, Cue::RingIn}));
    EXPECT_GT(paints_before_first_cue, 0);
    EXPECT_EQ(painted_at_first_cue, start_marbles()) << "the screen shows the start position as the cues sound";
    EXPECT_EQ(count_at_first_cue, "44");
    EXPECT_EQ(module.marbles_left, 44);
}

TEST_F(RestartWidget, ClickOnRestartAfterTheReportKeepsTheReportOnScreen)
{
    load();
    put_marbles(module, form, {39, 40});
    window->sync();
    pointer().click_cell(4, 4); // the last jump
    ASSERT_NE(window->result_widget(), nullptr);
    ASSERT_TRUE(window->result_widget()->isVisible());
    recorded.played.clear();

    pointer().click(kRestartX, kRestartY);
    EXPECT_EQ(recorded.played, (std::vector<Cue>{Cue::Normal, Cue::RingIn, Cue::RingIn}));
    EXPECT_EQ(shown_marbles(), start_marbles());
    ASSERT_NE(window->result_widget(), nullptr);
    EXPECT_TRUE(window->result_widget()->isVisible());
    EXPECT_TRUE(form.result()->loaded());
}

TEST_F(RestartWidget, ClickOnRestartWithSoundOffIsSilent)
{
    load();
    QTest::mouseClick(window->natives().widget("Check1"), Qt::LeftButton);
    QTest::mouseClick(window->natives().widget("Check5"), Qt::LeftButton, Qt::NoModifier, QPoint(8, 12));
    ASSERT_EQ(module.sound_on, 0);
    pointer().click_cell(4, 4);
    pointer().click(kRestartX, kRestartY);
    EXPECT_TRUE(recorded.played.empty());
    EXPECT_EQ(shown_marbles(), start_marbles());
    EXPECT_EQ(form.Label5.caption, "44");
}

} // namespace
} // namespace mossaline::testing
