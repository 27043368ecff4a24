#include "ui_model/result.h"

#include "ui_model/result_design.h"

#include <string>

namespace mossaline {

Result::Result(Module1& module, CuePlayer& cues)
    : window(result_design())
    , Label4(window.control("Label4"))
    , Label5(window.control("Label5"))
    , module_(module)
    , cues_(cues)
{
}

void Result::Show()
{
    if (!loaded_) {
        window.reset();
        loaded_ = true;
        Form_Load();
    }
    visible_ = true;
    ++show_requests_;
}

void Result::show_new_end()
{
    if (loaded_) {
        window.reset();
        Form_Load();
    }
    Show();
}

void Result::Form_Load()
{
    const std::int16_t left = module_.marbles_left;
    Label5.caption = std::to_string(left);
    bool cheer = true;
    if (left == 1)
        Label4.caption = "are Genious.";
    else if (left == 2)
        Label4.caption = "are intelligent.";
    else if (left == 3)
        Label4.caption = "are above average.";
    else {
        cheer = false;
        if (left >= 4)
            Label4.caption = "need practice.";
    }
    if (cheer && module_.sound_on == 1)
        cues_.play(Cue::Yahoo);
}

void Result::Command1_Click()
{
    visible_ = false;
    loaded_ = false;
}

} // namespace mossaline
