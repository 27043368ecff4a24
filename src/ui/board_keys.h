#pragma once

#include "ui_model/game_keys.h"

#include <QKeySequence>
#include <QList>
#include <optional>

class QKeyEvent;

namespace mossaline {

/// The command of a key pressed while the board has the keyboard, or nothing for a key the
/// board leaves to the window (Tab, shortcuts, anything unbound).
std::optional<KeyCommand> board_command(const QKeyEvent& event);

/// The keys of a command as shortcuts: its keys from the table, with the platform's own Undo
/// or Redo keys first for those two.
QList<QKeySequence> shortcuts_of(KeyCommand command);

} // namespace mossaline
