#include "ui/form1_widget.h"

#include "ui/board_keys.h"
#include "ui/twips.h"
#include "ui_model/board_geometry.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QToolTip>
#include <algorithm>
#include <array>

namespace mossaline {

namespace {
constexpr std::chrono::milliseconds kPrepareHintsAfter{1000};
// A player waiting longer than this for a hint is shown that the game is thinking.
constexpr std::chrono::milliseconds kShowThinkingAfter{200};
} // namespace

Form1Widget::Form1Widget(Form1& form)
    : QWidget(nullptr, Qt::Window | Qt::MSWindowsFixedSizeDialogHint)
    , form_(form)
    , surface_(new ControlSurface(form.window, *this, this))
    , natives_(form.window, this)
    , actions_(this)
    , menu_(actions_.build_menu(this))
    , hint_note_(new HintNote(this))
    , session_(form, *this, [this](std::function<void()> task) {
        QMetaObject::invokeMethod(this, std::move(task), Qt::QueuedConnection);
    })
{
    setWindowTitle(QString::fromStdString(form.window.design().caption));
    setFixedSize(surface_->size());
    // The board is the first stop of the keyboard; Tab goes on through the native controls.
    surface_->setFocusPolicy(Qt::StrongFocus);
    surface_->installEventFilter(this);
    thinking_after_.setSingleShot(true);
    thinking_after_.setInterval(kShowThinkingAfter);
    connect(&thinking_after_, &QTimer::timeout, this, [this] { show_thinking(); });
    connect_handlers();
}

Form1Widget::~Form1Widget() = default;

void Form1Widget::connect_handlers()
{
    // The handlers live as long as the window model, which outlives this window.
    Form1Names* const names = &design_names(form_);
    const auto forward = [this, names](const std::string& name, void (Form1Names::*handler)()) {
        // GCC 12's -fsanitize=vptr checks this inner closure's own address instead of the
        // `this` it captured through `forward`, and reports a valid window as "invalid vptr"
        // (docs/sanitizers.md has the reduced reproduction). Only this lambda is exempt.
        natives_.on_click(
            name, [ this, names, handler ]() __attribute__((no_sanitize("vptr"))) {
                session_.control_clicked([names, handler] { (names->*handler)(); });
            });
    };
    forward("Check1", &Form1Names::Check1_Click);
    forward("Check2", &Form1Names::Check2_Click);
    forward("Check3", &Form1Names::Check3_Click);
    forward("Check4", &Form1Names::Check4_Click);
    forward("Check5", &Form1Names::Check5_Click);
    forward("Option1", &Form1Names::Option1_Click);
    forward("Option2", &Form1Names::Option2_Click);
    forward("Option3", &Form1Names::Option3_Click);
    forward("Option4", &Form1Names::Option4_Click);
    forward("Option5", &Form1Names::Option5_Click);
    forward("Option6", &Form1Names::Option6_Click);
    forward("Option7", &Form1Names::Option7_Click);
    forward("Option8", &Form1Names::Option8_Click);
    painted_ = {
        {&names->Label1, [names] { names->Label1_Click(); }, [names] { names->Label1_MouseMove(); }},
        {&names->Label2, [names] { names->Label2_Click(); }, [names] { names->Label2_MouseMove(); }},
    };
    connect(&flicker_timer_, &QTimer::timeout, this,
        [this, names] { session_.passing_event([names] { names->Timer1_Timer(); }); });
    connect(&ambient_timer_, &QTimer::timeout, this,
        [this, names] { session_.passing_event([names] { names->Timer2_Timer(); }); });
    for (const auto& [action, command] :
        {std::pair{actions_.undo, KeyCommand::TakeBack}, {actions_.redo, KeyCommand::Redo},
            {actions_.hint, KeyCommand::Hint}, {actions_.back, KeyCommand::BackToWinnable},
            {actions_.new_game, KeyCommand::NewGame}, {actions_.exit, KeyCommand::Exit}})
        connect(action, &QAction::triggered, this, [this, command] { session_.command(command); });
}

const Form1Widget::PaintedBinding* Form1Widget::binding_of(const Control& control) const
{
    const auto found = std::find_if(
        painted_.begin(), painted_.end(), [&](const PaintedBinding& binding) { return binding.control == &control; });
    return found == painted_.end() ? nullptr : &*found;
}

QString Form1Widget::hint_text() const
{
    const auto& note = session_.note();
    return note ? QString::fromStdString(note->text) : QString();
}

void Form1Widget::model_changed()
{
    sync();
}

void Form1Widget::note_changed()
{
    const auto& note = session_.note();
    if (!note) {
        hint_note_->hide();
        return;
    }
    // Clear of the hole to jump into and of the ring on it, so the click there stays in view.
    QRect target = to_pixel_rect(form_.hover_marker().box);
    if (const Control* hole = form_.marble_disc(note->step.to))
        target = target.united(to_pixel_rect(hole->box));
    if (const Control* marble = form_.marble_disc(note->step.from))
        hint_note_->show_beside(QString::fromStdString(note->text), to_pixel_rect(marble->box), target);
}

void Form1Widget::busy_changed()
{
    if (session_.busy()) {
        thinking_after_.start();
        return;
    }
    thinking_after_.stop();
    surface_->unsetCursor();
    if (!session_.note())
        hint_note_->hide();
}

void Form1Widget::show_thinking()
{
    if (!session_.busy())
        return;
    surface_->setCursor(Qt::BusyCursor);
    hint_note_->show_beside(
        QStringLiteral("Thinking…"), to_pixel_rect(form_.source_marker().box), to_pixel_rect(form_.hover_marker().box));
}

void Form1Widget::say(const std::string& text)
{
    back_text_ = QString::fromStdString(text);
    QToolTip::showText(surface_->mapToGlobal(surface_->rect().center()), back_text_, surface_);
}

void Form1Widget::board_wants_keyboard()
{
    surface_->setFocus(Qt::OtherFocusReason);
}

void Form1Widget::open_menu()
{
    menu_->popup(marker_point());
}

QPoint Form1Widget::marker_point() const
{
    return surface_->mapToGlobal(to_pixel_rect(form_.hover_marker().box).center());
}

void Form1Widget::show_loaded()
{
    sync();
    surface_->setFocus(Qt::OtherFocusReason);
    show();
    // Once the window is up, not while it starts: the first hint then needs no table building.
    QTimer::singleShot(kPrepareHintsAfter, this, [this] { session_.prepare_hints(); });
}

void Form1Widget::sync()
{
    sync_except_surface();
    surface_->update_changed();
}

void Form1Widget::repaint_now()
{
    sync_except_surface();
    surface_->repaint_changed();
    if (result_widget_ && result_widget_->isVisible())
        result_widget_->surface()->repaint();
}

void Form1Widget::sync_except_surface()
{
    session_.settle();
    natives_.sync();
    actions_.set_enabled(session_.offers(KeyCommand::TakeBack), session_.offers(KeyCommand::Redo));
    actions_.set_hint_enabled(session_.offers(KeyCommand::Hint));
    // The focus ring stands on the edges of the hover marker's cell.
    surface_->set_focus_box(board_geometry::band_square_of_hover(form_.hover_marker().box));
    sync_timer(flicker_timer_, form_.flicker_timer());
    sync_timer(ambient_timer_, form_.ambient_timer());
    sync_result();
}

void Form1Widget::sync_timer(QTimer& timer, const Control& design)
{
    // A start request while the timer runs keeps its period: the next tick is not delayed.
    if (design.enabled && !timer.isActive())
        timer.start(design.interval_ms);
    else if (!design.enabled && timer.isActive())
        timer.stop();
}

void Form1Widget::sync_result()
{
    Result* result = form_.result();
    if (result && result->loaded() && !result_widget_) {
        result_widget_ = std::make_unique<ResultWidget>(*result, [this] { sync(); });
        // Opens centred over the main window.
        const QRect frame = frameGeometry();
        result_widget_->move(frame.center() - result_widget_->rect().center());
    }
    if (!result_widget_)
        return;
    result_widget_->sync();
    if (!result->loaded()) {
        // Unloading from inside the report's own button handler: delete once it returns.
        result_widget_.release()->deleteLater();
    }
}

void Form1Widget::surface_moved(float x, float y)
{
    session_.pointer_moved(x, y);
}

void Form1Widget::surface_clicked()
{
    session_.board_clicked();
}

void Form1Widget::control_moved(const Control& control)
{
    if (const PaintedBinding* binding = binding_of(control))
        session_.passing_event(binding->move);
}

void Form1Widget::control_clicked(const Control& control)
{
    if (const PaintedBinding* binding = binding_of(control))
        session_.control_clicked(binding->click);
}

bool Form1Widget::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == surface_ && event->type() == QEvent::KeyPress) {
        const auto& key = *static_cast<QKeyEvent*>(event);
        if (const auto command = board_command(key)) {
            surface_->reveal_focus();
            session_.command(*command);
            return true;
        }
        // Any other key on the board, Tab to the options included, also ends a hint on show;
        // a modifier alone is still on its way to being a key.
        static constexpr std::array kModifiers{
            Qt::Key_Shift, Qt::Key_Control, Qt::Key_Alt, Qt::Key_Meta, Qt::Key_AltGr};
        if (std::find(kModifiers.begin(), kModifiers.end(), key.key()) == kModifiers.end())
            session_.other_key();
    }
    return QWidget::eventFilter(watched, event);
}

void Form1Widget::contextMenuEvent(QContextMenuEvent* event)
{
    // From the Menu key, the menu opens on the board's marker rather than wherever the pointer is.
    QPoint at = event->globalPos();
    if (event->reason() == QContextMenuEvent::Keyboard && surface_->hasFocus())
        at = marker_point();
    menu_->popup(at);
}

} // namespace mossaline
