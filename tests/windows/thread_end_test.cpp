// Worker threads that use Qt's regular expressions and end, as the game's font thread does
// (reading a folder of fonts matches names). Under MinGW a thread's end runs the destructors of
// Qt's thread-local objects through emulated thread-local storage; the widget suites once
// crashed there, in the regular expressions' JIT stack, as a thread ended.
#include <QRegularExpression>
#include <QString>
#include <gtest/gtest.h>

#include <thread>

namespace {

TEST(WorkerThreadEnd, ThreadsThatMatchRegularExpressionsEndCleanly)
{
    // Several threads, each a fresh one: the crash came on the first end or soon after.
    for (int round = 0; round < 16; ++round) {
        bool matched = false;
        std::thread worker([&matched] {
            const QRegularExpression pattern(QStringLiteral("^mossaline-(\\d+)\\.wav$"));
            matched = pattern.match(QStringLiteral("mossaline-12.wav")).hasMatch();
        });
        worker.join();
        ASSERT_TRUE(matched) << "round " << round;
    }
}

} // namespace
