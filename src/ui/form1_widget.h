#pragma once

#include "ui/control_surface.h"
#include "ui/game_actions.h"
#include "ui/hint_note.h"
#include "ui/native_controls.h"
#include "ui/pointer_sink.h"
#include "ui/result_widget.h"
#include "ui_model/form1.h"
#include "ui_model/game_session.h"

#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

class QMenu;

namespace mossaline {

/// The main window on screen: renders the model, forwards its input to the game session and
/// keeps the native controls, the timers and the report window in step.
class Form1Widget : public QWidget, private PointerSink, private SessionView {
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
    /// The timer of the hovered command's flicker.
    const QTimer& flicker_timer() const { return flicker_timer_; }
    /// The timer of the ambient cues.
    const QTimer& ambient_timer() const { return ambient_timer_; }
    /// Undo, Redo, Keys and About, with their window-wide shortcuts.
    GameActions& actions() { return actions_; }
    /// The menu of the right mouse button.
    QMenu* menu() const { return menu_; }
    /// The game played in this window: every command goes through it.
    GameSession& session() { return session_; }
    /// What the hint on show says about the board; empty while none shows.
    QString hint_text() const;
    /// What "Back to the last winnable board" said last; empty until it is used.
    const QString& back_text() const { return back_text_; }
    /// The note beside the marked marble: the hint's text, or that the game is still thinking.
    const HintNote& hint_note() const { return *hint_note_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    /// A painted control and the handlers its events run.
    struct PaintedBinding {
        const Control* control;
        std::function<void()> click;
        std::function<void()> move;
    };

    void surface_moved(float x, float y) override;
    void surface_clicked() override;
    void control_moved(const Control& control) override;
    void control_clicked(const Control& control) override;
    void model_changed() override;
    void note_changed() override;
    void busy_changed() override;
    void say(const std::string& text) override;
    void board_wants_keyboard() override;
    void open_menu() override;
    void connect_handlers();
    const PaintedBinding* binding_of(const Control& control) const;
    void sync_except_surface();
    void sync_timer(QTimer& timer, const Control& design);
    void sync_result();
    void show_thinking();
    QPoint marker_point() const;

    Form1& form_;
    ControlSurface* surface_;
    NativeControls natives_;
    QTimer flicker_timer_;
    QTimer ambient_timer_;
    std::unique_ptr<ResultWidget> result_widget_;
    GameActions actions_;
    QMenu* menu_;
    std::vector<PaintedBinding> painted_;
    HintNote* hint_note_;
    QTimer thinking_after_;
    QString back_text_;
    GameSession session_;
};

} // namespace mossaline
