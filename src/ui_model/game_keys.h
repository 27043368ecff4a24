#pragma once

#include <span>
#include <string_view>

namespace mossaline {

/// What a key asks the game to do.
enum class KeyCommand {
    TakeBack, ///< take back the last jump
    Redo, ///< make the jump taken back last again
    CursorLeft, ///< hover marker one cell left
    CursorRight, ///< hover marker one cell right
    CursorUp, ///< hover marker one cell up
    CursorDown, ///< hover marker one cell down
    Press, ///< a click where the pointer was last seen
    OpenMenu, ///< the right-click menu, from the keyboard
    Hint, ///< marks the jump that keeps the best finish open
    BackToWinnable, ///< takes back jumps to the last board that can still finish with one marble
    NewGame, ///< RESTART's click
    Exit, ///< EXIT's click
};

/// Where a key works.
enum class KeyScope {
    AnyWindow, ///< whichever of the game's windows has the keyboard
    Board, ///< only while the board has the keyboard
};

/// A key of the game and the command it gives.
struct KeyBinding {
    KeyCommand command; ///< what it does
    KeyScope scope; ///< where it works
    std::string_view keys; ///< the keys, in the toolkit's portable text, separated by ", "
};

/// One line of the list of keys a player reads.
struct KeyHelp {
    std::string_view keys; ///< the keys as the player reads them
    std::string_view meaning; ///< what they do
};

/// Every key the game binds itself; the platform's own Undo and Redo keys are added to
/// TakeBack and Redo where they differ.
std::span<const KeyBinding> key_bindings();

/// The list of keys shown by the menu's "Keys"; the manual, the README and the software
/// centre's description carry the same lines.
std::span<const KeyHelp> key_help();

/// The lines of the menu's "About MOSSALINE".
std::span<const std::string_view> about_lines();

} // namespace mossaline
