#include "ui/form1_widget.h"

#include "game/jump_scan.h"
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
// Within a frame the answer is shown at once; longer searches go to a thread of their own.
constexpr std::chrono::milliseconds kHintAtOnce{12};
// After this the player is told the search is not sure, with the best line it has.
constexpr std::chrono::milliseconds kHintInAll{3000};
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
    , hint_(form)
    , hint_search_(
          [this](
              std::function<void()> task) { QMetaObject::invokeMethod(this, std::move(task), Qt::QueuedConnection); },
          kHintAtOnce, kHintInAll)
    , hint_note_(new HintNote(this))
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
    const auto forward = [this](const std::string& name, void (Form1::*handler)()) {
        // GCC 12's -fsanitize=vptr checks this inner closure's own address instead of the
        // `this` it captured through `forward`, and reports a valid window as "invalid vptr"
        // (docs/sanitizers.md has the reduced reproduction). Only this lambda is exempt.
        natives_.on_click(
            name, [ this, handler ]() __attribute__((no_sanitize("vptr"))) {
                end_hint();
                (form_.*handler)();
                sync();
            });
    };
    forward("Check1", &Form1::Check1_Click);
    forward("Check2", &Form1::Check2_Click);
    forward("Check3", &Form1::Check3_Click);
    forward("Check4", &Form1::Check4_Click);
    forward("Check5", &Form1::Check5_Click);
    forward("Option1", &Form1::Option1_Click);
    forward("Option2", &Form1::Option2_Click);
    forward("Option3", &Form1::Option3_Click);
    forward("Option4", &Form1::Option4_Click);
    forward("Option5", &Form1::Option5_Click);
    forward("Option6", &Form1::Option6_Click);
    forward("Option7", &Form1::Option7_Click);
    forward("Option8", &Form1::Option8_Click);
    connect(&timer1_, &QTimer::timeout, this, [this] {
        form_.Timer1_Timer();
        sync();
    });
    connect(&timer2_, &QTimer::timeout, this, [this] {
        form_.Timer2_Timer();
        sync();
    });
    connect(actions_.undo, &QAction::triggered, this, [this] { run_and_sync(&Form1::undo_jump); });
    connect(actions_.redo, &QAction::triggered, this, [this] { run_and_sync(&Form1::redo_jump); });
    connect(actions_.hint, &QAction::triggered, this, [this] { ask_hint(); });
    // The same path as a click on the label, so nothing of RESTART or EXIT is left out.
    connect(actions_.new_game, &QAction::triggered, this, [this] { control_clicked(form_.restart_command()); });
    connect(actions_.exit, &QAction::triggered, this, [this] { control_clicked(form_.exit_command()); });
    connect(actions_.back, &QAction::triggered, this, [this] { back_to_winnable(); });
}

void Form1Widget::run_and_sync(bool (Form1::*command)())
{
    end_hint();
    (form_.*command)();
    sync();
}

void Form1Widget::ask_hint()
{
    end_hint();
    end_thinking();
    if (count_open_jumps(form_.board()) == 0)
        return; // nothing to advise on
    // Whichever control had the keyboard, Enter now makes the suggested jump.
    surface_->setFocus(Qt::OtherFocusReason);
    hint_search_.ask(
        form_.board(), [this](const Board& board, const solver::Answer& answer) { show_hint(board, answer); });
    if (hint_search_.running())
        thinking_after_.start();
}

void Form1Widget::show_thinking()
{
    if (!hint_search_.running())
        return;
    surface_->setCursor(Qt::BusyCursor);
    hint_note_->show_beside(
        QStringLiteral("Thinking…"), to_pixel_rect(form_.source_marker().box), to_pixel_rect(form_.hover_marker().box));
}

void Form1Widget::end_thinking()
{
    thinking_after_.stop();
    surface_->unsetCursor();
    if (!hint_.showing())
        hint_note_->hide();
}

void Form1Widget::show_hint(const Board& board, const solver::Answer& answer)
{
    end_thinking();
    if (board != form_.board())
        return;
    const auto advice = advice_for(board, answer);
    if (!advice)
        return;
    hint_.show(advice->step);
    show_advice(*advice);
    if (answer.verdict != solver::Verdict::NoOneMarbleFinish)
        return;
    // On a lost board the note also tells how far back the game could still be won, once known.
    hint_search_.ask_back(form_.boards_of_game(), [this, answer](const Board& asked, std::optional<std::size_t> back) {
        if (asked != form_.board() || !hint_.showing() || !back || *back == 0)
            return;
        if (const auto advice_back = advice_for(asked, answer, back))
            show_advice(*advice_back);
    });
}

void Form1Widget::show_advice(const HintAdvice& advice)
{
    hint_text_ = QString::fromStdString(advice.text);
    sync();
    // Clear of the hole to jump into and of the ring on it, so the click there stays in view.
    QRect target = to_pixel_rect(form_.hover_marker().box);
    if (const Control* hole = form_.marble_disc(advice.step.to))
        target = target.united(to_pixel_rect(hole->box));
    if (const Control* marble = form_.marble_disc(advice.step.from))
        hint_note_->show_beside(hint_text_, to_pixel_rect(marble->box), target);
}

void Form1Widget::back_to_winnable()
{
    end_hint();
    hint_search_.ask_back(form_.boards_of_game(), [this](const Board& asked, std::optional<std::size_t> back) {
        if (asked != form_.board())
            return;
        if (back && *back > 0) {
            form_.undo_jumps(static_cast<int>(*back));
            sync();
        }
        say_back(back_note(back));
    });
    if (hint_search_.running())
        say_back(back_looking_note());
}

void Form1Widget::say_back(const std::string& text)
{
    back_text_ = QString::fromStdString(text);
    QToolTip::showText(surface_->mapToGlobal(surface_->rect().center()), back_text_, surface_);
}

void Form1Widget::end_hint()
{
    if (!hint_.showing())
        return;
    hint_.end();
    hint_text_.clear();
    hint_note_->hide();
}

void Form1Widget::show_loaded()
{
    sync();
    surface_->setFocus(Qt::OtherFocusReason);
    show();
    // Once the window is up, not while it starts: the first hint then needs no table building.
    QTimer::singleShot(kPrepareHintsAfter, this, [this] { hint_search_.prepare(); });
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
    natives_.sync();
    actions_.set_enabled(form_.can_undo(), form_.can_redo());
    actions_.set_hint_enabled(count_open_jumps(form_.board()) > 0);
    // A search for a board that is gone would only be thrown away.
    if (const auto asked = hint_search_.asked(); asked && *asked != form_.board())
        hint_search_.cancel();
    if (thinking_after_.isActive() || (hint_note_->isVisible() && !hint_.showing()))
        if (!hint_search_.running())
            end_thinking();
    // The focus ring stands on the edges of the hover marker's cell.
    surface_->set_focus_box(board_geometry::band_square_of_hover(form_.hover_marker().box));
    sync_timer(timer1_, form_.flicker_timer());
    sync_timer(timer2_, form_.ambient_timer());
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
    form_.Form_MouseMove(x, y);
    sync();
}

void Form1Widget::surface_clicked()
{
    end_hint();
    form_.Form_Click();
    sync();
}

void Form1Widget::control_moved(const Control& control)
{
    if (&control == &form_.Label1)
        form_.Label1_MouseMove();
    else if (&control == &form_.Label2)
        form_.Label2_MouseMove();
    else
        return;
    sync();
}

void Form1Widget::control_clicked(const Control& control)
{
    if (&control == &form_.Label1 || &control == &form_.Label2)
        end_hint();
    if (&control == &form_.Label1)
        form_.Label1_Click();
    else if (&control == &form_.Label2)
        form_.Label2_Click();
    else
        return;
    sync();
}

bool Form1Widget::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == surface_ && event->type() == QEvent::KeyPress) {
        const auto& key = *static_cast<QKeyEvent*>(event);
        if (const auto command = board_command(key)) {
            board_key(*command);
            return true;
        }
        // Any other key on the board, Tab to the options included, also ends a hint on show;
        // a modifier alone is still on its way to being a key.
        static constexpr std::array kModifiers{
            Qt::Key_Shift, Qt::Key_Control, Qt::Key_Alt, Qt::Key_Meta, Qt::Key_AltGr};
        if (std::find(kModifiers.begin(), kModifiers.end(), key.key()) == kModifiers.end())
            end_hint();
    }
    return QWidget::eventFilter(watched, event);
}

void Form1Widget::board_key(KeyCommand command)
{
    surface_->reveal_focus();
    end_hint();
    switch (command) {
    case KeyCommand::CursorLeft:
        form_.move_cursor(CursorDirection::Left);
        break;
    case KeyCommand::CursorRight:
        form_.move_cursor(CursorDirection::Right);
        break;
    case KeyCommand::CursorUp:
        form_.move_cursor(CursorDirection::Up);
        break;
    case KeyCommand::CursorDown:
        form_.move_cursor(CursorDirection::Down);
        break;
    case KeyCommand::Press:
        form_.press_cursor();
        break;
    case KeyCommand::OpenMenu: {
        menu_->popup(surface_->mapToGlobal(to_pixel_rect(form_.hover_marker().box).center()));
        return;
    }
    case KeyCommand::TakeBack:
    case KeyCommand::Redo:
    case KeyCommand::Hint:
    case KeyCommand::BackToWinnable:
    case KeyCommand::NewGame:
    case KeyCommand::Exit:
        // Window-wide keys: their actions take them before the board sees them.
        return;
    }
    sync();
}

void Form1Widget::contextMenuEvent(QContextMenuEvent* event)
{
    // From the Menu key, the menu opens on the board's marker rather than wherever the pointer is.
    QPoint at = event->globalPos();
    if (event->reason() == QContextMenuEvent::Keyboard && surface_->hasFocus())
        at = surface_->mapToGlobal(to_pixel_rect(form_.hover_marker().box).center());
    menu_->popup(at);
}

} // namespace mossaline
