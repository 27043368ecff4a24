#include "ui/native_controls.h"

#include "ui/qt_look.h"
#include "ui/twips.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <stdexcept>

namespace mossaline {

namespace {

void apply_colours(QWidget* widget, const Control& control, QPalette::ColorRole back, QPalette::ColorRole fore)
{
    QPalette palette = widget->palette();
    palette.setColor(back, to_qcolor(control.back_colour));
    palette.setColor(fore, to_qcolor(control.fore_colour));
    widget->setPalette(palette);
}

// A raised face in the control's own colour, sunken while held down.
QString plain_button_style(const Control& control)
{
    const QColor face = to_qcolor(control.back_colour);
    return QStringLiteral("QPushButton { background-color: %1; color: %2; border: 2px outset %1; }"
                          "QPushButton:pressed { background-color: %3; border-style: inset; }")
        .arg(face.name(), to_qcolor(control.fore_colour).name(), face.darker(115).name());
}

// A button that stays pressed while checked. The style's own gradient would hide both the
// exact face colour (a colour button shows the colour it selects) and the pressed state.
QString sticky_button_style(const Control& control)
{
    const QColor face = to_qcolor(control.back_colour);
    return QStringLiteral("QPushButton { background-color: %1; color: %2; border: 2px outset %1; }"
                          "QPushButton:checked { background-color: %3; border-style: inset; }")
        .arg(face.name(), to_qcolor(control.fore_colour).name(), face.darker(115).name());
}

bool is_native(const Control& control)
{
    switch (control.kind) {
    case ControlKind::CheckBox:
    case ControlKind::OptionButton:
    case ControlKind::Frame:
    case ControlKind::PushButton:
        return true;
    case ControlKind::Label:
        return !control.container.empty();
    default:
        return false;
    }
}

} // namespace

NativeControls::NativeControls(WindowModel& window, QWidget* host)
    : window_(window)
{
    // Frames come before their contents in the design, so a parent always exists first.
    for (Control& control : window.controls())
        if (is_native(control))
            create(control, control.container.empty() ? host : made_for(control.container));
    // Tab order follows the design's numbers, as the player's keyboard expects.
    QList<QPair<int, QWidget*>> focusable;
    for (const Control& control : window.controls())
        if (QWidget* w = made_for(control.name); w && w->focusPolicy() != Qt::NoFocus && control.tab_order >= 0)
            focusable.append({control.tab_order, w});
    std::sort(focusable.begin(), focusable.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    for (qsizetype i = 1; i < focusable.size(); ++i)
        QWidget::setTabOrder(focusable[i - 1].second, focusable[i].second);
    sync();
}

void NativeControls::create(Control& control, QWidget* host)
{
    QWidget* made = nullptr;
    switch (control.kind) {
    case ControlKind::CheckBox: {
        QAbstractButton* button = nullptr;
        if (control.push_look)
            button = new QPushButton(QString::fromStdString(control.caption), host);
        else
            button = new QCheckBox(QString::fromStdString(control.caption), host);
        button->setCheckable(true);
        apply_colours(button, control, control.push_look ? QPalette::Button : QPalette::Window,
            control.push_look ? QPalette::ButtonText : QPalette::WindowText);
        button->setAutoFillBackground(!control.push_look);
        if (control.push_look)
            button->setStyleSheet(sticky_button_style(control));
        // Buttons fill with the Button role by default; a plain check box's ground is its Window colour.
        if (!control.push_look)
            button->setBackgroundRole(QPalette::Window);
        // clicked() comes from the player only (pointer or keyboard), never from sync().
        QObject::connect(
            button, &QAbstractButton::clicked, button, [this, &control](bool checked) { clicked(control, checked); });
        made = button;
        break;
    }
    case ControlKind::OptionButton: {
        auto* button = new QPushButton(host);
        button->setCheckable(true);
        apply_colours(button, control, QPalette::Button, QPalette::ButtonText);
        button->setStyleSheet(sticky_button_style(control));
        auto* group = host->findChild<QButtonGroup*>(QString(), Qt::FindDirectChildrenOnly);
        if (!group)
            group = new QButtonGroup(host);
        group->addButton(button);
        QObject::connect(button, &QAbstractButton::toggled, button, [this, &control](bool on) {
            if (on)
                clicked(control, true);
        });
        made = button;
        break;
    }
    case ControlKind::PushButton: {
        auto* button = new QPushButton(QString::fromStdString(control.caption), host);
        apply_colours(button, control, QPalette::Button, QPalette::ButtonText);
        // The face shows the design's colour, not the style's lighter gradient over it.
        button->setStyleSheet(plain_button_style(control));
        QObject::connect(button, &QAbstractButton::clicked, button, [this, &control] { clicked(control, false); });
        made = button;
        break;
    }
    case ControlKind::Frame: {
        auto* frame = new QGroupBox(host);
        apply_colours(frame, control, QPalette::Window, QPalette::WindowText);
        frame->setAutoFillBackground(true);
        made = frame;
        break;
    }
    case ControlKind::Label: {
        auto* label = new QLabel(QString::fromStdString(control.caption), host);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setWordWrap(true);
        apply_colours(label, control, QPalette::Window, QPalette::WindowText);
        label->setAutoFillBackground(true);
        made = label;
        break;
    }
    default:
        return;
    }
    made->setFont(design_font(control.font_points));
    made->setGeometry(to_pixel_rect(control.box));
    made->setObjectName(QString::fromStdString(control.name));
    widgets_.insert(made->objectName(), made);
}

void NativeControls::clicked(Control& control, bool checked)
{
    if (control.kind == ControlKind::CheckBox)
        control.checked = checked ? 1 : 0;
    if (control.kind == ControlKind::OptionButton) {
        for (Control& other : window_.controls())
            if (other.kind == ControlKind::OptionButton && other.container == control.container)
                other.selected = false;
        control.selected = true;
    }
    if (const auto handler = handlers_.find(QString::fromStdString(control.name)); handler != handlers_.end())
        (*handler)();
}

void NativeControls::on_click(const std::string& name, std::function<void()> handler)
{
    if (!made_for(name))
        throw std::invalid_argument("no native control named " + name + " to take a click");
    handlers_.insert(QString::fromStdString(name), std::move(handler));
}

void NativeControls::sync()
{
    for (const Control& control : window_.controls()) {
        QWidget* w = made_for(control.name);
        if (!w)
            continue;
        if (auto* button = qobject_cast<QAbstractButton*>(w); button && button->isCheckable()) {
            const bool on = control.kind == ControlKind::CheckBox ? control.checked == 1 : control.selected;
            if (button->isChecked() != on) {
                const QSignalBlocker quiet(button);
                button->setChecked(on);
            }
        }
        if (w->isVisibleTo(w->parentWidget()) != control.visible)
            w->setVisible(control.visible);
    }
}

QWidget* NativeControls::widget(const std::string& name) const
{
    if (!window_.has(name))
        throw std::out_of_range("no control named " + name);
    return made_for(name);
}

QWidget* NativeControls::made_for(const std::string& name) const
{
    return widgets_.value(QString::fromStdString(name), nullptr);
}

} // namespace mossaline
