#include "form1_widget_fixture.h"
#include "play_geometry.h"
#include "play_solver.h"

#include "game/board_cursor.h"
#include "game/grid.h"
#include "game/marker_grid.h"

#include <QAbstractButton>
#include <QApplication>
#include <QImage>
#include <QTest>

#include <string>
#include <vector>

namespace mossaline::testing {
namespace {

class KeyboardWidget : public Form1WidgetFixture {
protected:
    void SetUp() override
    {
        Form1WidgetFixture::SetUp();
        random.draws.assign(100000, 0.0f); // ambient ticks stay silent
    }

    void load_active()
    {
        load();
        window->activateWindow();
        QApplication::setActiveWindow(window.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    void key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), modifiers);
    }

    int hover_cell() const
    {
        return cell_index(
            (form.Shape4.box.left - hover_grid::left_of(0)) / 600, (form.Shape4.box.top - hover_grid::top_of(0)) / 600);
    }

    std::string focus_name() const
    {
        QWidget* focus = QApplication::focusWidget();
        if (focus == window->surface())
            return "board";
        return focus ? focus->objectName().toStdString() : "nothing";
    }
};

TEST_F(KeyboardWidget, ArrowsFollowEveryEdgeOfTheCross)
{
    // Faults: arrows not reaching the board; a step off the cross at an edge; a key that
    // moves the marker without the motion handler (the pointer position left behind).
    load_active();
    ASSERT_EQ(focus_name(), "board");
    const std::pair<int, CursorDirection> arrows[]
        = {{Qt::Key_Left, CursorDirection::Left}, {Qt::Key_Right, CursorDirection::Right},
            {Qt::Key_Up, CursorDirection::Up}, {Qt::Key_Down, CursorDirection::Down}};
    for (int cell : board_cells())
        for (const auto& [arrow, direction] : arrows) {
            pointer().move(1807.5 + 600 * column_of(cell), 1087.5 + 600 * row_of(cell));
            const auto expected = cursor_step(form.Shape4.box.left, form.Shape4.box.top, direction);
            key(arrow);
            EXPECT_EQ(hover_cell(), expected.value_or(cell)) << "from " << cell;
            if (expected) {
                EXPECT_EQ(module.pointer_y, 1100 + 600 * row_of(*expected)) << "from " << cell;
            }
        }
    EXPECT_TRUE(recorded.played.empty());
}

TEST_F(KeyboardWidget, EnterAndSpaceClickWhereTheMarkerStands)
{
    // Faults: Enter or Space ignored, or judged before the motion the arrows made.
    load_active();
    key(Qt::Key_Down);
    key(Qt::Key_Down);
    key(Qt::Key_Return);
    EXPECT_EQ(module.board.at(41), Cell::Marble);
    EXPECT_EQ(form.Label5.caption, "43");
    for (int i = 0; i < 4; ++i)
        key(Qt::Key_Up);
    key(Qt::Key_Space); // picks the marble of cell 37
    key(Qt::Key_Down);
    key(Qt::Key_Down);
    key(Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(module.board.at(37), Cell::Empty);
    EXPECT_EQ(module.board.at(38), Cell::Empty);
    EXPECT_EQ(module.board.at(39), Cell::Marble);
    EXPECT_EQ(recorded.played, (std::vector<Cue>{Cue::Gain, Cue::Normal, Cue::Gain}));
}

TEST_F(KeyboardWidget, TabGoesFromTheBoardThroughTheControlsAndBack)
{
    // Faults: the board missing from the tab chain or not first; the design's order lost.
    load_active();
    EXPECT_EQ(focus_name(), "board");
    key(Qt::Key_Tab);
    EXPECT_EQ(focus_name(), "Check1");
    key(Qt::Key_Space); // opens the panel
    std::vector<std::string> order;
    for (int i = 0; i < 20 && focus_name() != "board"; ++i) {
        key(Qt::Key_Tab);
        order.push_back(focus_name());
    }
    // The colour buttons are one stop, as a group of option buttons is; arrows move inside it.
    EXPECT_EQ(order, (std::vector<std::string>{"Check2", "Check3", "Check4", "Option1", "Check5", "board"}));
    key(Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(focus_name(), "Check5");
    key(Qt::Key_Tab);
    EXPECT_EQ(focus_name(), "board");
}

TEST_F(KeyboardWidget, AColourButtonKeepsItsKeysAndTheShortcutsStillWork)
{
    // Faults: the board's arrows taken from a native control; Ctrl+Z bound to the board only.
    load_active();
    key(Qt::Key_Down);
    key(Qt::Key_Down);
    key(Qt::Key_Return);
    form.Check1.checked = 1;
    form.Check1_Click();
    window->sync();
    QWidget* colour = window->natives().widget("Option5");
    colour->setFocus(Qt::TabFocusReason);
    const TwipsRect hover = form.Shape4.box;
    key(Qt::Key_Left);
    key(Qt::Key_Space);
    EXPECT_EQ(form.Shape4.box, hover);
    EXPECT_NE(focus_name(), "board");
    EXPECT_TRUE(qobject_cast<QAbstractButton*>(QApplication::focusWidget())->isChecked())
        << "Space selects the colour button that has the keyboard";
    recorded.played.clear();
    key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(module.board.at(39), Cell::Marble);
    EXPECT_EQ(recorded.played, (std::vector<Cue>{Cue::Loss}));
    key(Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(module.board.at(41), Cell::Marble);
    key(Qt::Key_Z, Qt::ControlModifier);
    key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(module.board.at(41), Cell::Marble);
    EXPECT_EQ(recorded.played, (std::vector<Cue>{Cue::Loss, Cue::Gain, Cue::Loss, Cue::Gain}));
}

TEST_F(KeyboardWidget, TakeBackWorksFromTheReportAndClosesIt)
{
    // Faults: shortcuts dead while the report has the keyboard; its widget left on screen.
    load_active();
    const std::vector<GeometricJump> path = *SingleMarbleSolver().solve(module.board);
    for (const GeometricJump& jump : path) {
        pointer().click_cell(column_of(jump.from), row_of(jump.from));
        pointer().click_cell(column_of(jump.to), row_of(jump.to));
    }
    ResultWidget* report = window->result_widget();
    ASSERT_NE(report, nullptr);
    report->activateWindow();
    QApplication::setActiveWindow(report);
    ASSERT_TRUE(QTest::qWaitForWindowActive(report));
    QTest::keyClick(report, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(module.marbles_left, 2);
    ASSERT_NE(form.result(), nullptr);
    EXPECT_FALSE(form.result()->loaded());
    QApplication::processEvents();
    EXPECT_EQ(window->result_widget(), nullptr);
}

TEST_F(KeyboardWidget, TheFocusRingShowsOnlyAfterAKeyAndGoesWithThePointer)
{
    // Faults: a ring drawn with no key used (the design's look changed); a ring that stays
    // after the player goes back to the mouse.
    load_active();
    pointer().move(1807.5 + 600 * 4, 1087.5 + 600 * 4);
    const QImage by_pointer = window->surface()->grab().toImage();
    key(Qt::Key_Right);
    key(Qt::Key_Left);
    EXPECT_EQ(hover_cell(), 41);
    EXPECT_TRUE(window->surface()->focus_ring_shown());
    EXPECT_NE(window->surface()->grab().toImage(), by_pointer);
    pointer().move(1807.5 + 600 * 4, 1087.5 + 600 * 4);
    QMouseEvent press(
        QEvent::MouseButtonPress, QPointF(1, 1), QPointF(1, 1), Qt::RightButton, Qt::RightButton, Qt::NoModifier);
    QApplication::sendEvent(window->surface(), &press);
    EXPECT_FALSE(window->surface()->focus_ring_shown());
    EXPECT_EQ(window->surface()->grab().toImage(), by_pointer);
}

} // namespace
} // namespace mossaline::testing
