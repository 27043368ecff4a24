#include "ui_model/game_keys.h"

#include <array>

#ifndef MOSSALINE_VERSION
#error "MOSSALINE_VERSION must name the project's version"
#endif

namespace mossaline {

namespace {

// A new key gets a binding here and a line of help below; the menu and the key handling read both.
constexpr std::array kBindings{
    KeyBinding{KeyCommand::TakeBack, KeyScope::AnyWindow, "Ctrl+Z"},
    KeyBinding{KeyCommand::Redo, KeyScope::AnyWindow, "Ctrl+Shift+Z, Ctrl+Y"},
    KeyBinding{KeyCommand::CursorLeft, KeyScope::Board, "Left"},
    KeyBinding{KeyCommand::CursorRight, KeyScope::Board, "Right"},
    KeyBinding{KeyCommand::CursorUp, KeyScope::Board, "Up"},
    KeyBinding{KeyCommand::CursorDown, KeyScope::Board, "Down"},
    KeyBinding{KeyCommand::Press, KeyScope::Board, "Space, Return, Enter"},
    KeyBinding{KeyCommand::OpenMenu, KeyScope::Board, "Shift+F10"},
    KeyBinding{KeyCommand::Hint, KeyScope::AnyWindow, "H"},
    KeyBinding{KeyCommand::BackToWinnable, KeyScope::AnyWindow, "B"},
    KeyBinding{KeyCommand::NewGame, KeyScope::AnyWindow, "Ctrl+N, F2"},
    KeyBinding{KeyCommand::Exit, KeyScope::AnyWindow, "Ctrl+Q"},
};

constexpr std::array kHelp{
    KeyHelp{"Arrow keys", "move the marker over the board"},
    KeyHelp{"Space, Enter", "click the hole under the marker"},
    KeyHelp{"Ctrl+Z", "take back the last jump"},
    KeyHelp{"Ctrl+Shift+Z, Ctrl+Y", "make the jump taken back again"},
    KeyHelp{"H", "hint: mark the marble to jump and point at the hole it jumps into"},
    KeyHelp{"B", "back to the last board that can still finish with one marble"},
    KeyHelp{"Tab, Shift+Tab", "go from the board to the options and back"},
    KeyHelp{"Menu, Shift+F10", "open the menu of the right mouse button"},
    KeyHelp{"Ctrl+N, F2", "new game, as RESTART"},
    KeyHelp{"Ctrl+Q", "end the game, as EXIT"},
};

constexpr std::array<std::string_view, 3> kAbout{
    "MOSSALINE " MOSSALINE_VERSION,
    "Licence: MIT",
    "Its pictures and sounds are made by its own generators.",
};

} // namespace

std::span<const KeyBinding> key_bindings()
{
    return kBindings;
}

std::span<const KeyHelp> key_help()
{
    return kHelp;
}

std::span<const std::string_view> about_lines()
{
    return kAbout;
}

} // namespace mossaline
