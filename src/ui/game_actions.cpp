#include "ui/game_actions.h"

#include "ui/board_keys.h"
#include "ui_model/game_keys.h"

#include <QAction>
#include <QMenu>
#include <QMessageBox>
#include <QWidget>

namespace mossaline {

namespace {

QString text_of(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QAction* window_wide_action(const QString& text, QWidget* host)
{
    auto* action = new QAction(text, host);
    // The report may have the keyboard: the keys still reach the game.
    action->setShortcutContext(Qt::ApplicationShortcut);
    host->addAction(action);
    return action;
}

} // namespace

GameActions::GameActions(QWidget* host)
    : QObject(host)
    , undo(window_wide_action(QStringLiteral("Undo"), host))
    , redo(window_wide_action(QStringLiteral("Redo"), host))
    , hint(window_wide_action(QStringLiteral("Hint"), host))
    , back(window_wide_action(QStringLiteral("Back to the last winnable board"), host))
    , new_game(window_wide_action(QStringLiteral("New game"), host))
    , exit(window_wide_action(QStringLiteral("Exit"), host))
    , keys(new QAction(QStringLiteral("Keys"), host))
    , about(new QAction(QStringLiteral("About MOSSALINE"), host))
    , host_(host)
{
    undo->setShortcuts(shortcuts_of(KeyCommand::TakeBack));
    redo->setShortcuts(shortcuts_of(KeyCommand::Redo));
    hint->setShortcuts(shortcuts_of(KeyCommand::Hint));
    back->setShortcuts(shortcuts_of(KeyCommand::BackToWinnable));
    new_game->setShortcuts(shortcuts_of(KeyCommand::NewGame));
    exit->setShortcuts(shortcuts_of(KeyCommand::Exit));
    set_enabled(false, false);
    connect(keys, &QAction::triggered, this, [this] { show_text(QStringLiteral("Keys"), keys_text()); });
    connect(about, &QAction::triggered, this, [this] { show_text(QStringLiteral("About MOSSALINE"), about_text()); });
}

void GameActions::set_enabled(bool can_undo, bool can_redo)
{
    undo->setEnabled(can_undo);
    redo->setEnabled(can_redo);
}

void GameActions::set_hint_enabled(bool any_jump)
{
    hint->setEnabled(any_jump);
}

QMenu* GameActions::build_menu(QWidget* parent) const
{
    auto* menu = new QMenu(parent);
    menu->addAction(undo);
    menu->addAction(redo);
    menu->addAction(hint);
    menu->addAction(back);
    menu->addSeparator();
    menu->addAction(new_game);
    menu->addAction(exit);
    menu->addSeparator();
    menu->addAction(keys);
    menu->addAction(about);
    return menu;
}

QString GameActions::keys_text()
{
    QStringList lines;
    for (const KeyHelp& line : key_help())
        lines.append(text_of(line.keys) + QStringLiteral(": ") + text_of(line.meaning));
    return lines.join(QLatin1Char('\n'));
}

QString GameActions::about_text()
{
    QStringList lines;
    for (std::string_view line : about_lines())
        lines.append(text_of(line));
    return lines.join(QLatin1Char('\n'));
}

void GameActions::show_text(const QString& title, const QString& text)
{
    // Not modal to the whole program: the report and its cue go on as before.
    auto* box = new QMessageBox(QMessageBox::NoIcon, title, text, QMessageBox::Close, host_);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::NonModal);
    box->show();
}

} // namespace mossaline
