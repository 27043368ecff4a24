#include "form1_widget_fixture.h"
#include "play_geometry.h"
#include "play_solver.h"

#include "ui/twips.h"
#include "ui_model/board_geometry.h"
#include "ui_model/marker_grid.h"

#include <QCoreApplication>
#include <QImage>
#include <QPointer>
#include <QTest>

#include <algorithm>
#include <cstdlib>
#include <random>
#include <string>

namespace mossaline::testing {
namespace {

constexpr int kGames = 30;

const char* rating_for(int marbles)
{
    switch (marbles) {
    case 1:
        return "are Genious.";
    case 2:
        return "are intelligent.";
    case 3:
        return "are above average.";
    default:
        return "need practice.";
    }
}

int channel_distance(QColor a, QColor b)
{
    return std::max({std::abs(a.red() - b.red()), std::abs(a.green() - b.green()), std::abs(a.blue() - b.blue())});
}

class WholeGame : public Form1WidgetFixture {
protected:
    void SetUp() override
    {
        Form1WidgetFixture::SetUp();
        // The ambient timer runs as in the game; should a tick ever be processed, its
        // draw of 0 keeps it silent, so every cue heard here comes from a click.
        random.draws.assign(100000, 0.0f);
    }

    // One click on a cell by real pointer events; checks its cues and the whole table.
    void click(int cell, const std::vector<Cue>& expected, const std::string& when)
    {
        recorded.played.clear();
        pointer().click_cell(column_of(cell), row_of(cell));
        previous_ = cell;
        EXPECT_EQ(recorded.played, expected) << when;
        EXPECT_EQ(marker_grid::cell_at(form.Shape5.box.left, form.Shape5.box.top), cell) << when;
        EXPECT_EQ(form.Shape4.box.left, hover_grid::left_of(column_of(cell))) << when;
        EXPECT_EQ(form.Shape4.box.top, hover_grid::top_of(row_of(cell))) << when;
        expect_table_shows_the_board(when);
    }

    void expect_table_shows_the_board(const std::string& when)
    {
        const std::vector<int> marbles = marble_cells(module.board);
        EXPECT_EQ(module.marbles_left, static_cast<int>(marbles.size())) << when;
        EXPECT_EQ(form.Label5.caption, std::to_string(module.marbles_left)) << when;
        std::vector<int> discs;
        std::vector<int> highlights;
        for (int cell = 0; cell <= 81; ++cell) {
            if (const Control* disc = form.Shape3(cell); disc && disc->visible)
                discs.push_back(cell);
            if (const Control* highlight = form.Shape7(cell); highlight && highlight->visible)
                highlights.push_back(cell);
        }
        EXPECT_EQ(discs, marbles) << when;
        EXPECT_EQ(highlights, marbles) << when;
    }

    // The marble's own click: never a jump, since the cell clicked holds a marble.
    Cue cue_for_picking(int cell) const
    {
        const int columns = std::abs(column_of(cell) - column_of(previous_));
        const int rows = std::abs(row_of(cell) - row_of(previous_));
        const bool two_apart_in_a_line = (columns == 0 && rows == 2) || (rows == 0 && columns == 2);
        return two_apart_in_a_line ? Cue::Loss : Cue::Normal;
    }

    // Plays one jump as the player does: the marble, then the hole two beyond it.
    void play(const GeometricJump& jump, const std::string& when)
    {
        click(jump.from, {cue_for_picking(jump.from)}, when + ", picking " + std::to_string(jump.from));
        Board after = module.board;
        after.set(jump.from, Cell::Empty);
        after.set(jump.over, Cell::Empty);
        after.set(jump.to, Cell::Marble);
        const bool last = geometric_jumps(after).empty();
        const int left = static_cast<int>(marble_cells(after).size());
        std::vector<Cue> expected{Cue::Gain};
        if (last && left <= 3)
            expected.push_back(Cue::Yahoo);
        click(jump.to, expected, when + ", jumping into " + std::to_string(jump.to));
        EXPECT_EQ(module.board, after) << when;
    }

    void restart_by_pointer()
    {
        recorded.played.clear();
        pointer().click(8527, 5407); // RESTART
        EXPECT_EQ(recorded.played, (std::vector<Cue>{Cue::Normal, Cue::RingIn, Cue::RingIn}));
        Board start;
        set_start_position(start);
        EXPECT_EQ(module.board, start);
        expect_table_shows_the_board("after RESTART");
    }

    // The report as the player sees it: its own window, over the main one.
    void expect_report(int marbles, const std::string& when)
    {
        ResultWidget* report = window->result_widget();
        ASSERT_NE(report, nullptr) << when;
        EXPECT_TRUE(report->isVisible()) << when;
        EXPECT_TRUE(report->isWindow()) << when;
        EXPECT_EQ(report->parentWidget(), nullptr) << when;
        const QPoint offset = report->frameGeometry().center() - window->frameGeometry().center();
        EXPECT_LE(offset.manhattanLength(), 40) << when << ": opened centred over the main window";
        ASSERT_NE(form.result(), nullptr);
        EXPECT_EQ(form.result()->Label5.caption, std::to_string(marbles)) << when;
        EXPECT_EQ(form.result()->Label4.caption, rating_for(marbles)) << when;
        EXPECT_TRUE(window->isVisible()) << when << ": the main window stays";
    }

    // "Close" by a real click on the report's button: hidden, unloaded, and the widget gone.
    void close_report()
    {
        QPointer<ResultWidget> report = window->result_widget();
        ASSERT_FALSE(report.isNull());
        QWidget* close = report->natives().widget("Command1");
        ASSERT_NE(close, nullptr);
        QTest::mouseClick(close, Qt::LeftButton);
        EXPECT_EQ(window->result_widget(), nullptr);
        EXPECT_FALSE(report->isVisible());
        EXPECT_FALSE(form.result()->loaded());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(report.isNull()) << "the report window is deleted once its handler returned";
    }

    // The marble discs as painted: grey where a marble is, the board's colour elsewhere.
    void expect_painted_marbles(const std::string& when)
    {
        const QImage image = window->grab().toImage();
        const double ratio = image.devicePixelRatio();
        const QColor grey(128, 128, 128);
        for (int cell : board_cells()) {
            if (cell == previous_)
                continue; // under the hover marker's cross-hatching
            const TwipsPoint centre = board_geometry::disc_centre(cell);
            const int x = static_cast<int>(to_pixels(centre.x) * ratio);
            const int y = static_cast<int>(to_pixels(centre.y) * ratio);
            const int distance = channel_distance(image.pixelColor(x, y), grey);
            if (module.board.at(cell) == Cell::Marble)
                EXPECT_LE(distance, 6) << when << ": marble at " << cell;
            else
                EXPECT_GT(distance, 40) << when << ": empty hole at " << cell;
        }
    }

    int previous_ = 39; // the marker's design cell
};

TEST_F(WholeGame, RandomGamesPlayedWithThePointerEndInTheReport)
{
    load();
    std::mt19937 random_moves(4417);
    for (int game = 1; game <= kGames; ++game) {
        const std::string name = "game " + std::to_string(game);
        if (game > 1)
            restart_by_pointer();
        for (int move = 1;; ++move) {
            const auto jumps = geometric_jumps(module.board);
            if (jumps.empty())
                break;
            const GeometricJump jump
                = jumps[std::uniform_int_distribution<std::size_t>(0, jumps.size() - 1)(random_moves)];
            play(jump, name + " move " + std::to_string(move));
            ASSERT_FALSE(HasFailure()) << name << " move " << move;
        }
        const int left = module.marbles_left;
        EXPECT_EQ(module.moves_possible, 0) << name;
        expect_report(left, name);
        expect_painted_marbles(name);
        close_report();
        ASSERT_FALSE(HasFailure()) << name;
    }
}

TEST_F(WholeGame, ASolvedGameEndsWithOneMarbleAndTheCheer)
{
    load();
    SingleMarbleSolver solver;
    const auto solution = solver.solve(module.board);
    ASSERT_TRUE(solution.has_value()) << "no finish with one marble found";
    ASSERT_EQ(solution->size(), 43u);

    bool report_loaded_during_last_gain = true;
    bool report_shown_during_cheer = true;
    recorded.while_playing = [&](Cue cue) {
        if (cue == Cue::Gain)
            report_loaded_during_last_gain = form.result() != nullptr && form.result()->loaded();
        if (cue == Cue::Yahoo)
            report_shown_during_cheer = window->result_widget() != nullptr && window->result_widget()->isVisible();
    };
    int move = 0;
    for (const GeometricJump& jump : *solution) {
        play(jump, "solution move " + std::to_string(++move));
        ASSERT_FALSE(HasFailure()) << "solution move " << move;
    }
    EXPECT_FALSE(report_loaded_during_last_gain) << "the report waits for the last jump's cue";
    EXPECT_FALSE(report_shown_during_cheer) << "the cheer ends before the report is on the screen";
    expect_report(1, "one marble left");
    expect_painted_marbles("one marble left");

    // A further click on the board brings the same report forward, unchanged.
    QPointer<ResultWidget> report = window->result_widget();
    const int shows = form.result()->show_requests();
    recorded.played.clear();
    pointer().click(1000, 500);
    EXPECT_EQ(recorded.played, (std::vector<Cue>{Cue::Normal}));
    EXPECT_EQ(form.result()->show_requests(), shows + 1);
    EXPECT_EQ(window->result_widget(), report.data());
    expect_report(1, "clicked again");
    close_report();
}

TEST_F(WholeGame, DraggingFarBelowTheWindowKeepsTheHeightInSixteenBits)
{
    load();
    QWidget* surface = window->surface();
    const auto send = [surface](QEvent::Type type, double x, double y, Qt::MouseButton button, Qt::MouseButtons held) {
        const QPointF local(to_pixels(x), to_pixels(y));
        QMouseEvent event(type, local, surface->mapToGlobal(local), button, held, Qt::NoModifier);
        QApplication::sendEvent(surface, &event);
    };
    const TwipsRect hover_before = form.Shape4.box;
    send(QEvent::MouseMove, 4207, 3487, Qt::NoButton, Qt::NoButton);
    send(QEvent::MouseButtonPress, 4207, 3487, Qt::LeftButton, Qt::LeftButton);
    for (double y : {40000.0, 1e6}) {
        send(QEvent::MouseMove, 4207, y, Qt::NoButton, Qt::LeftButton);
        EXPECT_EQ(module.pointer_y, 32767) << y;
        EXPECT_EQ(form.Shape4.box.top, hover_grid::top_of(4)) << y;
    }
    send(QEvent::MouseButtonRelease, 4207, 1e6, Qt::LeftButton, Qt::NoButton);
    EXPECT_TRUE(recorded.played.empty()) << "released outside the window: no click";
    EXPECT_NE(form.Shape4.box, hover_before);
    EXPECT_EQ(form.Shape5.box, (TwipsRect{3960, 2100, 495, 375}));
}

} // namespace
} // namespace mossaline::testing
