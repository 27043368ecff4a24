#pragma once

#include <QObject>
#include <QString>

class QAction;
class QMenu;
class QWidget;

namespace mossaline {

/// The player's commands beyond the board's clicks, as actions whose shortcuts work in every
/// window of the game, and the right-click menu that offers them.
class GameActions : public QObject {
    Q_OBJECT
public:
    /// Creates the actions and adds them to `host`, the main window; Keys and About open
    /// their text in a box over it.
    explicit GameActions(QWidget* host);

    QAction* const undo; ///< takes back the last jump
    QAction* const redo; ///< makes the jump taken back again
    QAction* const hint; ///< marks the jump to make next
    QAction* const back; ///< takes back jumps to the last board that can still finish with one marble
    QAction* const new_game; ///< RESTART, from the menu or the keyboard
    QAction* const exit; ///< EXIT, from the menu or the keyboard
    QAction* const keys; ///< shows the list of keys
    QAction* const about; ///< shows the version, licence and origin of the pictures and sounds

    /// Greys Undo and Redo when there is nothing to take back or redo.
    void set_enabled(bool can_undo, bool can_redo);
    /// Greys Hint when no jump is left on the board.
    void set_hint_enabled(bool any_jump);
    /// A new menu, owned by `parent`: Undo, Redo, Hint, Back, then New game and Exit, then Keys and About.
    QMenu* build_menu(QWidget* parent) const;

    /// The text "Keys" shows: one line per entry of the key list.
    static QString keys_text();
    /// The text "About MOSSALINE" shows.
    static QString about_text();

private:
    void show_text(const QString& title, const QString& text);

    QWidget* host_;
};

} // namespace mossaline
