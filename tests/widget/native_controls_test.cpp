#include "ui/native_controls.h"
#include "ui_model/form1_design.h"

#include <QAbstractButton>
#include <QWidget>
#include <gtest/gtest.h>

#include <stdexcept>

namespace mossaline::testing {
namespace {

TEST(NativeControls, AClickHandlerForANameWithoutAWidgetIsRefused)
{
    // Faults: a button wired to nothing by a misspelt name, so its click does nothing; a
    // handler wired to a painted control that never clicks.
    WindowModel window(form1_design());
    QWidget host;
    NativeControls natives(window, &host);
    EXPECT_THROW(natives.on_click("Check9", [] {}), std::invalid_argument);
    EXPECT_THROW(natives.on_click("Label1", [] {}), std::invalid_argument) << "painted, not native";
    EXPECT_THROW(natives.widget("Chek2"), std::out_of_range);
    EXPECT_EQ(natives.widget("Label1"), nullptr) << "painted by the surface";
    int clicks = 0;
    natives.on_click("Check2", [&clicks] { ++clicks; });
    auto* box = qobject_cast<QAbstractButton*>(natives.widget("Check2"));
    ASSERT_NE(box, nullptr);
    box->click();
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(window.control("Check2").checked, 1);
}

} // namespace
} // namespace mossaline::testing
