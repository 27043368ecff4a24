#include "app/desktop_check.h"
#include "app/display_setting.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <cstdio>
#include <cstdlib>

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
    std::_Exit(EXIT_FAILURE);
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

} // namespace

void check_display_setting()
{
    if (const QString missing = missing_display_setting(); !missing.isEmpty())
        say_no_desktop(missing);
}

std::unique_ptr<QApplication> open_desktop(int& argc, char** argv)
{
    check_display_setting();
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
