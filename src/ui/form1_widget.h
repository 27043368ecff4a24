#pragma once

#include "ui/control_surface.h"
#include "ui/game_actions.h"
#include "ui/hint_note.h"
#include "ui/native_controls.h"
#include "ui/pointer_sink.h"
#include "ui/result_widget.h"
#include "ui_model/board_hint.h"
#include "ui_model/form1.h"
#include "ui_model/game_keys.h"
#include "ui_model/hint_search.h"

#include <QTimer>
#include <QWidget>
#include <memory>

class QMenu;

namespace mossaline {

/// The main window on screen: renders the model, forwards events to its handlers and
/// keeps the native controls, the timers and the report window in step.
class Form1Widget : public QWidget, private PointerSink {
    Q_OBJECT
public:
    /// A fixed-size top-level window for `form`; nothing runs until show_loaded().
    explicit Form1Widget(Form1& form);
    ~Form1Widget() override;

    /// Shows the window of a form whose load handler has run; open_main_window() is the whole start.
    void show_loaded();
    /// Brings every view up to date with the model and schedules a repaint.
    void sync();
    /// Like sync(), but paints at once: used before a cue blocks the thread.
    void repaint_now();

    /// The painted surface.
    ControlSurface* surface() const { return surface_; }
    /// The native controls.
    NativeControls& natives() { return natives_; }
    /// The report window while it is loaded, otherwise nullptr.
    ResultWidget* result_widget() const { return result_widget_.get(); }
    /// The colour-effect timer.
    const QTimer& timer1() const { return timer1_; }
    /// The ambient timer.
    const QTimer& timer2() const { return timer2_; }
    /// Undo, Redo, Keys and About, with their window-wide shortcuts.
    GameActions& actions() { return actions_; }
    /// The menu of the right mouse button.
    QMenu* menu() const { return menu_; }
    /// Asks for a hint on the board as it stands; it shows when its answer is in.
    void ask_hint();
    /// What the hint on show says about the board; empty while none shows.
    const QString& hint_text() const { return hint_text_; }
    /// Takes back the jumps made since the last board of this game that can still finish with
    /// one marble, once that board is known; says so when there is nothing to take back.
    void back_to_winnable();
    /// What "Back to the last winnable board" said last; empty until it is used.
    const QString& back_text() const { return back_text_; }
    /// The search behind the hints.
    HintSearch& hint_search() { return hint_search_; }
    /// The note beside the marked marble: the hint's text, or that the game is still thinking.
    const HintNote& hint_note() const { return *hint_note_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void surface_moved(float x, float y) override;
    void surface_clicked() override;
    void control_moved(const Control& control) override;
    void control_clicked(const Control& control) override;
    void connect_handlers();
    void sync_except_surface();
    void sync_timer(QTimer& timer, const Control& design);
    void sync_result();
    void board_key(KeyCommand command);
    void run_and_sync(bool (Form1::*command)());
    void show_hint(const Board& board, const solver::Answer& answer);
    void show_advice(const HintAdvice& advice);
    void say_back(const std::string& text);
    void end_hint();
    void show_thinking();
    void end_thinking();

    Form1& form_;
    ControlSurface* surface_;
    NativeControls natives_;
    QTimer timer1_;
    QTimer timer2_;
    std::unique_ptr<ResultWidget> result_widget_;
    GameActions actions_;
    QMenu* menu_;
    BoardHint hint_;
    HintSearch hint_search_;
    QString hint_text_;
    HintNote* hint_note_;
    QTimer thinking_after_;
    QString back_text_;
};

} // namespace mossaline
