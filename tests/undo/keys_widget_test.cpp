#include "keyboard_fixture.h"
#include "play_solver.h"

#include "ui_model/board_geometry.h"
#include "ui_model/game_keys.h"
#include "ui_model/marker_grid.h"

#include <QAbstractButton>
#include <QAction>
#include <QMenu>
#include <QTest>
#include <QWindow>

#include <fstream>
#include <sstream>

namespace mossaline::testing {
namespace {

class Keys : public KeyboardFixture {
protected:
    void keys(std::initializer_list<int> list)
    {
        for (int k : list)
            key(k);
    }
    int hover_cell() const
    {
        return cell_index(
            (form.Shape4.box.left - hover_grid::left_of(0)) / 600, (form.Shape4.box.top - hover_grid::top_of(0)) / 600);
    }
    std::string focus() const
    {
        QWidget* w = QApplication::focusWidget();
        return w == window->surface() ? "board" : w ? w->objectName().toStdString() : "none";
    }
};

TEST_F(Keys, ArrowsStepAsAPointerMotionAndStopAtEveryEdgeOfTheCross)
{
    // Faults: a step across the grid's wrap or into a corner; an edge that lets the marker off;
    // a step that moves the marker without the motion handler (flicker left running).
    int stops = 0;
    for (int cell : board_cells())
        for (auto [arrow, dc, dr] :
            {std::tuple{Qt::Key_Left, -1, 0}, {Qt::Key_Right, 1, 0}, {Qt::Key_Up, 0, -1}, {Qt::Key_Down, 0, 1}}) {
            pointer().move(board_geometry::disc_centre(cell).x, board_geometry::disc_centre(cell).y);
            form.Label2_MouseMove();
            key(arrow);
            const int c = column_of(cell) + dc, r = row_of(cell) + dr;
            const bool on = c >= 0 && c < 9 && r >= 0 && r < 9 && ((c >= 3 && c <= 5) || (r >= 3 && r <= 5));
            EXPECT_EQ(hover_cell(), on ? cell_index(c, r) : cell) << cell;
            EXPECT_EQ(form.Timer1.enabled, !on) << cell;
            stops += on ? 0 : 1;
        }
    EXPECT_EQ(stops, 36) << "each arm has 9 unit edges on the outline";
    pointer().move(board_geometry::disc_centre(0, 3).x, board_geometry::disc_centre(0, 3).y);
    pointer().move(3900, 1100); // on a column edge: the row changes alone, into the corner (0,0)
    ASSERT_EQ(hover_cell(), cell_index(0, 0));
    key(Qt::Key_Down);
    EXPECT_EQ(hover_cell(), cell_index(0, 3)) << "from off the cross to the nearest cell";
}

TEST_F(Keys, EnterAndSpaceClickWhereTheArrowsWentAndTheRingShowsIt)
{
    // Faults: Down, Down, Enter not the first jump (the design place misread); Space or the
    // keypad's Enter ignored; the focus ring missing, or kept once the pointer is back.
    EXPECT_FALSE(window->surface()->focus_ring_shown());
    keys({Qt::Key_Down, Qt::Key_Down, Qt::Key_Return, Qt::Key_Up, Qt::Key_Up, Qt::Key_Up, Qt::Key_Up, Qt::Key_Space,
        Qt::Key_Down, Qt::Key_Down});
    key(Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(marble_cells(module.board).size(), 42u);
    EXPECT_EQ(module.board.at(39), Cell::Marble) << "37 jumped over 38 into 39";
    EXPECT_EQ(recorded.played, (std::vector<Cue>{Cue::Gain, Cue::Normal, Cue::Gain}));
    EXPECT_TRUE(window->surface()->focus_ring_shown());
    pointer().move(board_geometry::disc_centre(4, 2).x, board_geometry::disc_centre(4, 2).y);
    const QImage with_ring = window->surface()->grab().toImage();
    QMouseEvent press(QEvent::MouseButtonPress, {1, 1}, {1, 1}, Qt::RightButton, Qt::RightButton, {});
    QApplication::sendEvent(window->surface(), &press);
    EXPECT_FALSE(window->surface()->focus_ring_shown());
    EXPECT_NE(window->surface()->grab().toImage(), with_ring);
}

TEST_F(Keys, TabGoesFromTheBoardThroughTheControlsAndAClickBringsItBack)
{
    // Faults: the board not first or missing from the chain; the design's order lost.
    ASSERT_EQ(focus(), "board");
    keys({Qt::Key_Tab, Qt::Key_Space}); // OPTIONS opens the panel
    std::vector<std::string> order{focus()};
    while (order.size() < 10 && order.back() != "board")
        key(Qt::Key_Tab), order.push_back(focus());
    // The colour buttons are one stop, as a group of option buttons is; arrows move inside it.
    EXPECT_EQ(order, (std::vector<std::string>{"Check1", "Check2", "Check3", "Check4", "Option1", "Check5", "board"}));
    key(Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(focus(), "Check5");
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, QPoint(180, 150));
    EXPECT_EQ(focus(), "board");
}

TEST_F(Keys, ControlsKeepTheirKeysAndUndoRedoWorkInEveryWindow)
{
    // Faults: arrows taken from a native control; shortcuts bound to the board or the main
    // window only; the report left on screen by the take-back of its jump.
    keys({Qt::Key_Down, Qt::Key_Down, Qt::Key_Return});
    form.Check1.checked = 1;
    form.Check1_Click();
    window->sync();
    window->natives().widget("Option5")->setFocus(Qt::TabFocusReason);
    keys({Qt::Key_Left, Qt::Key_Space});
    EXPECT_EQ(hover_cell(), 41);
    EXPECT_TRUE(qobject_cast<QAbstractButton*>(QApplication::focusWidget())->isChecked());
    key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(module.board.at(39), Cell::Marble);
    key(Qt::Key_Y, Qt::ControlModifier);
    key(Qt::Key_Z, Qt::ControlModifier);
    key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(module.board.at(41), Cell::Marble);
    EXPECT_EQ(recorded.played, (std::vector<Cue>{Cue::Gain, Cue::Loss, Cue::Gain, Cue::Loss, Cue::Gain}));

    form.Label2_Click();
    const std::vector<GeometricJump> path = *SingleMarbleSolver().solve(module.board);
    for (const GeometricJump& j : path)
        pointer().click_cell(column_of(j.from), row_of(j.from)), pointer().click_cell(column_of(j.to), row_of(j.to));
    ASSERT_NE(window->result_widget(), nullptr);
    QApplication::setActiveWindow(window->result_widget());
    QTest::keyClick(window->result_widget(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(module.marbles_left, 2);
    QApplication::processEvents();
    EXPECT_EQ(window->result_widget(), nullptr);
}

TEST_F(Keys, ARightClickOpensTheMenuWithoutAMove)
{
    // Faults: the right button judged as a click (here it would jump 39 into 41); Undo or Redo
    // offered with nothing to take back or redo.
    const TwipsPoint centre41 = board_geometry::disc_centre(41);
    const QPoint on_cell41(qRound(to_pixels(centre41.x)), qRound(to_pixels(centre41.y)));
    QTest::mouseMove(window->windowHandle(), on_cell41);
    QTest::mouseClick(window->windowHandle(), Qt::RightButton, {}, on_cell41);
    EXPECT_TRUE(recorded.played.empty());
    ASSERT_TRUE(window->menu()->isVisible());
    window->menu()->close();
    QStringList texts;
    for (QAction* action : window->menu()->actions())
        texts << action->text();
    EXPECT_EQ(texts,
        (QStringList{"Undo", "Redo", "Hint", "Back to the last winnable board", "", "New game", "Exit", "", "Keys",
            "About MOSSALINE"}));
    GameActions& actions = window->actions();
    EXPECT_EQ(actions.undo->shortcut(), QKeySequence(QKeySequence::Undo));
    EXPECT_FALSE(actions.undo->isEnabled() || actions.redo->isEnabled());
    pointer().click_cell(4, 4);
    EXPECT_TRUE(actions.undo->isEnabled() && !actions.redo->isEnabled());
    actions.undo->trigger();
    EXPECT_TRUE(!actions.undo->isEnabled() && actions.redo->isEnabled());
}

TEST_F(Keys, NewGameAndExitRunRestartAndExitWhereverTheKeyboardIs)
{
    // Faults: a key or menu entry that runs less than the label's click (discs or count left
    // behind, cues missing); a shortcut a check box or the report swallows.
    const std::vector<Cue> restart_cues{Cue::Normal, Cue::RingIn, Cue::RingIn};
    form.Check1.checked = 1;
    form.Check1_Click();
    window->sync();
    for (const auto& [k, modifiers] : {std::pair{Qt::Key_N, Qt::ControlModifier}, {Qt::Key_F2, Qt::NoModifier}}) {
        pointer().click_cell(4, 4); // 39 over 40 into 41
        ASSERT_EQ(module.marbles_left, 43);
        window->natives().widget("Check2")->setFocus(Qt::TabFocusReason);
        recorded.played.clear();
        key(k, modifiers);
        EXPECT_EQ(module.marbles_left, 44) << k;
        EXPECT_EQ(form.Label5.caption, "44") << k;
        EXPECT_TRUE(form.Shape3(40)->visible && !form.Shape3(41)->visible) << k;
        EXPECT_EQ(recorded.played, restart_cues) << k;
        pointer().click_cell(4, 2); // the marker back onto 39
    }
    recorded.played.clear();
    window->actions().new_game->trigger();
    EXPECT_EQ(recorded.played, restart_cues) << "the menu's New game";

    const std::vector<GeometricJump> path = *SingleMarbleSolver().solve(module.board);
    for (const GeometricJump& j : path)
        pointer().click_cell(column_of(j.from), row_of(j.from)), pointer().click_cell(column_of(j.to), row_of(j.to));
    ASSERT_NE(window->result_widget(), nullptr);
    QApplication::setActiveWindow(window->result_widget());
    recorded.played.clear();
    QTest::keyClick(window->result_widget(), Qt::Key_Q, Qt::ControlModifier);
    EXPECT_EQ(exits, 1);
    EXPECT_EQ(recorded.played, (std::vector<Cue>{Cue::Bird}));
    window->actions().exit->trigger();
    EXPECT_EQ(exits, 2) << "the menu's Exit";
}

TEST(GameHelp, TheMenuAndTheDocumentsListEveryKey)
{
    // Faults: a key added to the table but missing from Keys, a document, or About's facts.
    for (const char* doc :
        {"/README.md", "/packaging/mossaline.6", "/packaging/io.github.mossaline.mossaline.metainfo.xml.in"}) {
        std::stringstream text;
        text << std::ifstream(std::string(MOSSALINE_SOURCE_DIR) + doc).rdbuf();
        for (const KeyHelp& line : key_help()) {
            const std::string entry = std::string(line.keys) + ": " + std::string(line.meaning);
            EXPECT_TRUE(GameActions::keys_text().contains(QString::fromStdString(entry))) << entry;
            EXPECT_NE(text.str().find(line.meaning), std::string::npos) << doc << ": " << line.meaning;
            EXPECT_NE(text.str().find(line.keys), std::string::npos) << doc << ": " << line.keys;
        }
    }
    EXPECT_TRUE(GameActions::about_text().contains("MOSSALINE " MOSSALINE_PROJECT_VERSION "\nLicence: MIT"));
}

} // namespace
} // namespace mossaline::testing
