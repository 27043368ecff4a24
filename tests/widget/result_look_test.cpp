#include "recording_cue_player.h"

#include "ui/result_widget.h"
#include "ui_model/module1.h"
#include "ui_model/result.h"

#include <QAbstractButton>
#include <QTest>
#include <gtest/gtest.h>

namespace mossaline::testing {
namespace {

// The report's "Close" face must be the window's own lavender, not the style's lighter gradient.
TEST(ResultLook, CloseFaceIsTheWindowColour)
{
    Module1 module;
    module.marbles_left = 5;
    RecordingCuePlayer cues;
    Result report(module, cues);
    report.Show();
    ResultWidget widget(report, [] {});
    widget.sync();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&widget));
    QWidget* close = widget.natives().widget("Command1");
    ASSERT_NE(close, nullptr);
    const QImage face = close->grab().toImage();
    // Between the border and the caption, on both sides of the text.
    for (const QPoint at : {QPoint(5, close->height() / 2), QPoint(close->width() - 6, close->height() / 2)}) {
        const QColor pixel = face.pixelColor(at * face.devicePixelRatio());
        EXPECT_EQ(pixel, QColor(192, 192, 255))
            << "at " << at.x() << "," << at.y() << ": " << pixel.name().toStdString();
    }
}

} // namespace
} // namespace mossaline::testing
