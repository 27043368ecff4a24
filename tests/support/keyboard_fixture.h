#pragma once

#include "form1_widget_fixture.h"

#include <QApplication>
#include <QTest>

namespace mossaline::testing {

/// The real main window, loaded, active and silent between events, played from the keyboard.
class KeyboardFixture : public Form1WidgetFixture {
protected:
    void SetUp() override
    {
        Form1WidgetFixture::SetUp();
        random.draws.assign(100000, 0.0f); // ambient ticks stay silent
        load();
        QApplication::setActiveWindow(window.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
    /// A key pressed and released where the keyboard is.
    void key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), modifiers);
    }
};

} // namespace mossaline::testing
