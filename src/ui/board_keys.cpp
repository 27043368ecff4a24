#include "ui/board_keys.h"

#include <QKeyEvent>
#include <QString>

namespace mossaline {

namespace {

QList<QKeySequence> table_keys(const KeyBinding& binding)
{
    // Each key is a sequence of its own: in the toolkit's text a comma would chain them into one.
    const QString text = QString::fromUtf8(binding.keys.data(), static_cast<qsizetype>(binding.keys.size()));
    QList<QKeySequence> keys;
    for (const QString& key : text.split(QStringLiteral(", ")))
        keys.append(QKeySequence::fromString(key, QKeySequence::PortableText));
    return keys;
}

} // namespace

std::optional<KeyCommand> board_command(const QKeyEvent& event)
{
    // The arrows and Enter of the number pad are the same keys to a player.
    const QKeySequence pressed(QKeyCombination(event.modifiers() & ~Qt::KeypadModifier, Qt::Key(event.key())));
    for (const KeyBinding& binding : key_bindings())
        if (binding.scope == KeyScope::Board && table_keys(binding).contains(pressed))
            return binding.command;
    return std::nullopt;
}

QList<QKeySequence> shortcuts_of(KeyCommand command)
{
    QList<QKeySequence> keys;
    if (command == KeyCommand::TakeBack)
        keys = QKeySequence::keyBindings(QKeySequence::Undo);
    else if (command == KeyCommand::Redo)
        keys = QKeySequence::keyBindings(QKeySequence::Redo);
    for (const KeyBinding& binding : key_bindings())
        if (binding.command == command)
            for (const QKeySequence& key : table_keys(binding))
                if (!keys.contains(key))
                    keys.append(key);
    return keys;
}

} // namespace mossaline
