#include "form1_widget_fixture.h"

#include "ui/twips.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace mossaline::testing {
namespace {

class OptionsWidget : public Form1WidgetFixture {
protected:
    /// The native widget of a control, as the kind of widget it must be.
    template <typename T = QAbstractButton> T* native(const char* name)
    {
        auto* widget = qobject_cast<T*>(window->natives().widget(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }

    /// A left click on a box's check mark (the left end of the control), or the middle of a button.
    static void click(QAbstractButton* button)
    {
        const QPoint where
            = qobject_cast<QCheckBox*>(button) ? QPoint(8, button->height() / 2) : button->rect().center();
        QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, where);
    }

    /// Gives a control the keyboard focus, as the player's Tab key would, and presses space.
    void press_space_on(QWidget* widget)
    {
        window->activateWindow();
        QApplication::setActiveWindow(window.get());
        widget->setFocus(Qt::TabFocusReason);
        EXPECT_TRUE(widget->hasFocus()) << widget->objectName().toStdString();
        QTest::keyClick(widget, Qt::Key_Space);
    }

    /// The colour painted on the window's surface at a point in twips.
    QColor painted_at(double x, double y)
    {
        const QImage image = window->surface()->grab().toImage();
        const double ratio = image.devicePixelRatio();
        return image.pixelColor(static_cast<int>(to_pixels(x) * ratio), static_cast<int>(to_pixels(y) * ratio));
    }
};

TEST_F(OptionsWidget, PushingOptionsShowsThePanelWithTheSettingsAndPushingAgainHidesIt)
{
    load();
    auto* options = native<QPushButton>("Check1");
    auto* panel = native<QGroupBox>("Frame1");
    ASSERT_TRUE(options && panel);
    EXPECT_FALSE(panel->isVisible());

    click(options);
    EXPECT_TRUE(options->isChecked()) << "stays pressed while checked";
    EXPECT_EQ(form.Check1.checked, 1);
    EXPECT_TRUE(panel->isVisible());
    for (const char* inside : {"Check2", "Check3", "Check4", "Check5", "Label9", "Option1", "Option2", "Option3",
             "Option4", "Option5", "Option6", "Option7", "Option8"})
        EXPECT_TRUE(window->natives().widget(inside)->isVisible()) << inside;
    EXPECT_FALSE(native("Check2")->isChecked());
    EXPECT_FALSE(native("Check3")->isChecked());
    EXPECT_TRUE(native("Check4")->isChecked());
    EXPECT_TRUE(native("Check5")->isChecked());
    for (int n = 1; n <= 8; ++n)
        EXPECT_FALSE(native(("Option" + std::to_string(n)).c_str())->isChecked()) << "no colour selected at start";
    EXPECT_TRUE(recorded.played.empty());

    click(options);
    EXPECT_FALSE(options->isChecked());
    EXPECT_EQ(form.Check1.checked, 0);
    EXPECT_FALSE(panel->isVisible());
    EXPECT_FALSE(window->natives().widget("Check2")->isVisible());
    EXPECT_TRUE(native("Check4")->isChecked()) << "the boxes keep their state while closed";
}

TEST_F(OptionsWidget, SpaceOnTheFocusedOptionsButtonOrBoxTogglesIt)
{
    load();
    auto* options = native("Check1");
    ASSERT_NE(options, nullptr);
    press_space_on(options);
    EXPECT_EQ(form.Check1.checked, 1);
    EXPECT_TRUE(native<QGroupBox>("Frame1")->isVisible());

    auto* moves = native<QCheckBox>("Check2");
    ASSERT_NE(moves, nullptr);
    QTest::keyClick(options, Qt::Key_Tab);
    EXPECT_TRUE(moves->hasFocus()) << "Tab goes from OPTIONS to the first box of the panel";
    QTest::keyClick(moves, Qt::Key_Space);
    EXPECT_TRUE(moves->isChecked());
    EXPECT_EQ(form.Check2.checked, 1);
    EXPECT_EQ(module.show_moves, 1);
    EXPECT_EQ(form.Shape3(39)->fill_colour, Colour{0xC0FFFF});
    EXPECT_EQ(painted_at(3007, 3487), QColor(255, 255, 192)) << "marble of cell 23 drawn light yellow";

    press_space_on(moves);
    EXPECT_FALSE(moves->isChecked());
    EXPECT_EQ(module.show_moves, 0);
    EXPECT_EQ(painted_at(3007, 3487), QColor(128, 128, 128));

    auto* count = native<QCheckBox>("Check4");
    ASSERT_NE(count, nullptr);
    press_space_on(count);
    EXPECT_FALSE(count->isChecked());
    EXPECT_EQ(module.show_count, 0);
    EXPECT_FALSE(form.Label5.visible);

    press_space_on(options);
    EXPECT_EQ(form.Check1.checked, 0);
    EXPECT_FALSE(native<QGroupBox>("Frame1")->isVisible());
}

TEST_F(OptionsWidget, MouseClicksOnTheBoxesSwitchTheirEffects)
{
    load();
    click(native("Check1"));
    pointer().move(1807, 3487); // the hover marker onto cell 5, clear of cell 39

    // The left side of the marker's ring over cell 39, on that cell's grey marble.
    const double ring_x = 4072;
    const double ring_y = 2287;
    EXPECT_EQ(painted_at(ring_x, ring_y), QColor(128, 128, 128));
    click(native("Check3"));
    EXPECT_EQ(module.show_last, 1);
    EXPECT_TRUE(form.Shape5.visible);
    EXPECT_EQ(painted_at(ring_x, ring_y), QColor(255, 128, 128)) << "marker drawn at its design place";
    click(native("Check3"));
    EXPECT_EQ(module.show_last, 0);
    EXPECT_FALSE(form.Shape5.visible);
    EXPECT_EQ(painted_at(ring_x, ring_y), QColor(128, 128, 128));

    click(native("Check4"));
    EXPECT_EQ(module.show_count, 0);
    EXPECT_FALSE(form.Label4.visible);
    EXPECT_FALSE(form.Label5.visible);
    EXPECT_EQ(window->surface()->control_at(9200, 300), nullptr) << "the hidden count takes no clicks";
    click(native("Check4"));
    EXPECT_TRUE(form.Label5.visible);

    click(native("Check5"));
    EXPECT_FALSE(native("Check5")->isChecked());
    EXPECT_EQ(module.sound_on, 0);
    EXPECT_FALSE(form.Image2.visible);
    EXPECT_FALSE(form.Image3.visible);
    pointer().click_cell(4, 4); // a jump, silently
    EXPECT_EQ(form.Label5.caption, "43");
    EXPECT_TRUE(recorded.played.empty());

    click(native("Check5"));
    EXPECT_EQ(module.sound_on, 1);
    EXPECT_TRUE(form.Image2.visible);
    pointer().click_cell(4, 4); // the same cell again: a click that moves nothing
    EXPECT_EQ(recorded.played, (std::vector<Cue>{Cue::Normal}));
}

TEST_F(OptionsWidget, ColourButtonsRecolourTheBoardDiscAndStayPressedWhileSelected)
{
    struct Button {
        const char* name;
        QColor colour;
    };
    const Button buttons[] = {
        {"Option2", QColor(192, 255, 192)},
        {"Option3", QColor(0, 192, 192)},
        {"Option4", QColor(255, 192, 255)},
        {"Option5", QColor(0, 128, 0)},
        {"Option6", QColor(128, 64, 0)},
        {"Option7", QColor(64, 64, 64)},
        {"Option8", QColor(0, 0, 128)},
        {"Option1", QColor(255, 192, 128)},
    };
    load();
    click(native("Check1"));
    const double disc_x = 2300; // board disc, clear of every other shape
    const double disc_y = 2000;
    EXPECT_EQ(painted_at(disc_x, disc_y), QColor(255, 192, 128));
    for (const Button& button : buttons) {
        click(native(button.name));
        EXPECT_TRUE(native(button.name)->isChecked()) << button.name;
        EXPECT_TRUE(form.window.control(button.name).selected) << button.name;
        EXPECT_EQ(painted_at(disc_x, disc_y), button.colour) << button.name;
        int pressed = 0;
        for (int n = 1; n <= 8; ++n)
            pressed += native(("Option" + std::to_string(n)).c_str())->isChecked();
        EXPECT_EQ(pressed, 1) << "one colour at a time";
    }

    // Keyboard: space on a focused colour button selects it.
    press_space_on(native("Option7"));
    EXPECT_TRUE(native("Option7")->isChecked());
    EXPECT_EQ(form.Shape1.fill_colour, Colour{0x404040});
    EXPECT_TRUE(recorded.played.empty());
}

TEST_F(OptionsWidget, ThePanelShowsEveryCaptionWholeOnItsBlackBackground)
{
    load();
    click(native("Check1"));
    auto* panel = native<QGroupBox>("Frame1");
    ASSERT_NE(panel, nullptr);
    const QImage image = panel->grab().toImage();
    const double ratio = image.devicePixelRatio();
    for (const char* name : {"Check2", "Check3", "Check4", "Check5"}) {
        auto* box = native<QCheckBox>(name);
        ASSERT_NE(box, nullptr);
        EXPECT_LE(box->sizeHint().width(), box->width()) << name << " \"" << box->text().toStdString() << "\" is cut";
        // The box's own ground: its top row, above the caption, and its right end.
        for (const QPoint inside : {QPoint(box->width() / 2, 0), QPoint(box->width() - 2, box->height() / 2)}) {
            const QPoint at = box->geometry().topLeft() + inside;
            EXPECT_EQ(
                image.pixelColor(static_cast<int>(at.x() * ratio), static_cast<int>(at.y() * ratio)), QColor(0, 0, 0))
                << name << " at " << inside.x() << ',' << inside.y();
        }
    }
    auto* caption = qobject_cast<QLabel*>(window->natives().widget("Label9"));
    ASSERT_NE(caption, nullptr);
    EXPECT_EQ(caption->text(), "Set Board colour to");
    EXPECT_LE(caption->fontMetrics().horizontalAdvance(caption->text()), caption->width()) << "on one line";
}

} // namespace
} // namespace mossaline::testing
