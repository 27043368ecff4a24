#include "app/desktop_check.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <cstdio>
#include <cstdlib>
#include <unistd.h>

namespace mossaline {

namespace {

// What the platform plugin said while it tried to connect: the reason, should it fail.
QStringList platform_messages;
QtMessageHandler previous_handler = nullptr;

void say_no_desktop(const QString& why)
{
    std::fprintf(stderr, "mossaline: needs a graphical desktop to show its window, but %s\n", qPrintable(why));
    std::fflush(stderr);
    // The toolkit would abort and leave a core dump for what is only a missing display.
    _exit(EXIT_FAILURE);
}

void while_connecting(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    const bool from_platform = context.category && QByteArray(context.category).startsWith("qt.qpa");
    if (type == QtFatalMsg) {
        // The first thing the plugin complained about says why; the fatal line only repeats
        // "no platform plugin could be initialized".
        say_no_desktop(platform_messages.isEmpty() ? QStringLiteral("the window system could not be reached")
                                                   : platform_messages.first());
    }
    if (from_platform) {
        platform_messages.append(message);
        return;
    }
    previous_handler(type, context, message);
}

bool has_value(const char* name)
{
    const char* value = std::getenv(name);
    return value && *value;
}

} // namespace

std::unique_ptr<QApplication> open_desktop(int& argc, char** argv)
{
    // Without a chosen platform the toolkit picks X11 or Wayland, and needs one of them.
    if (!has_value("QT_QPA_PLATFORM") && !has_value("DISPLAY") && !has_value("WAYLAND_DISPLAY"))
        say_no_desktop(QStringLiteral("neither DISPLAY nor WAYLAND_DISPLAY is set"));
    previous_handler = qInstallMessageHandler(while_connecting);
    auto app = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(previous_handler);
    // Connected after all: what the plugin said on the way is not hidden.
    for (const QString& message : platform_messages)
        qWarning("%s", qPrintable(message));
    platform_messages.clear();
    return app;
}

} // namespace mossaline
