#include "form1_widget_fixture.h"

#include "game/grid.h"
#include "ui/game_actions.h"
#include "ui/game_keys.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QTest>
#include <QWindow>

#include <fstream>
#include <sstream>
#include <string>

namespace mossaline::testing {
namespace {

class GameMenu : public Form1WidgetFixture { };

std::string file_text(const std::string& path)
{
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

TEST_F(GameMenu, ARightClickOpensTheMenuWithoutAClick)
{
    // Faults: the right button judged as a move; Undo or Redo offered when there is nothing.
    load();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    const TwipsRect marker = form.Shape5.box;
    const QPoint on_cell41(qRound(to_pixels(1807.5 + 600 * 4)), qRound(to_pixels(1087.5 + 600 * 4)));
    // Through the window system, which turns the right button into the menu's event.
    QTest::mouseMove(window->windowHandle(), on_cell41);
    QTest::mouseClick(window->windowHandle(), Qt::RightButton, Qt::NoModifier, on_cell41);
    EXPECT_EQ(form.Shape5.box, marker);
    EXPECT_TRUE(recorded.played.empty());
    QMenu* menu = window->menu();
    EXPECT_TRUE(menu->isVisible());
    menu->close();
    QStringList texts;
    for (QAction* action : menu->actions())
        if (!action->isSeparator())
            texts << action->text();
    EXPECT_EQ(texts, (QStringList{"Undo", "Redo", "Keys", "About MOSSALINE"}));
    GameActions& actions = window->actions();
    EXPECT_FALSE(actions.undo->isEnabled());
    EXPECT_FALSE(actions.redo->isEnabled());
    EXPECT_EQ(actions.undo->shortcut(), QKeySequence(QKeySequence::Undo));
    EXPECT_TRUE(actions.redo->shortcuts().contains(QKeySequence(QStringLiteral("Ctrl+Y"))));
    EXPECT_TRUE(actions.redo->shortcuts().contains(QKeySequence(QStringLiteral("Ctrl+Shift+Z"))));

    pointer().click_cell(4, 4); // the first jump
    EXPECT_TRUE(actions.undo->isEnabled());
    EXPECT_FALSE(actions.redo->isEnabled());
    actions.undo->trigger();
    EXPECT_EQ(module.board.at(39), Cell::Marble);
    EXPECT_FALSE(actions.undo->isEnabled());
    EXPECT_TRUE(actions.redo->isEnabled());
}

TEST(GameHelp, TheKeysAndAboutTextsAndTheDocumentsAgree)
{
    // Faults: a key missing from the menu's list or from a document; the version or licence wrong.
    const QString keys = GameActions::keys_text();
    const std::string docs[]
        = {file_text(MOSSALINE_SOURCE_DIR "/README.md"), file_text(MOSSALINE_SOURCE_DIR "/packaging/mossaline.6"),
            file_text(MOSSALINE_SOURCE_DIR "/packaging/io.github.mossaline.mossaline.metainfo.xml.in")};
    for (const KeyHelp& line : key_help()) {
        EXPECT_TRUE(keys.contains(QString::fromUtf8(line.keys.data(), line.keys.size())));
        for (const std::string& doc : docs) {
            EXPECT_NE(doc.find(line.keys), std::string::npos) << line.keys;
            EXPECT_NE(doc.find(line.meaning), std::string::npos) << line.meaning;
        }
    }
    const QString about = GameActions::about_text();
    EXPECT_TRUE(about.contains(QStringLiteral("MOSSALINE " MOSSALINE_PROJECT_VERSION)));
    EXPECT_TRUE(about.contains(QStringLiteral("MIT")));
    EXPECT_TRUE(about.contains(QStringLiteral("generators")));
}

} // namespace
} // namespace mossaline::testing
