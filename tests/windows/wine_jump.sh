# Sourced by the Wine tests after tests/e2e/e2e_session.sh and e2e_cells.sh, once the game runs
# as game_pid: its window with the start position, a jump by two clicks seen in the pixels, and
# EXIT ending the process with status 0.
source "$(dirname "${BASH_SOURCE[0]}")/../e2e/e2e_cells.sh"
readonly EXIT=(8527 6067) # Label1 (8160, 5880, 735, 375)

wine_play_jump() { # where: said in every failure
    local form1
    form1=$(e2e_window Form1)
    e2e_expect "start position $1" "$form1" \
        "$(e2e_marble 2 4)" "$(e2e_marble 4 2)" "$(e2e_marble 4 6)" "$(e2e_hole 4 4)"
    e2e_snapshot "$form1" start

    # Click the marble, then the hole two beyond it. Clicks are handled in order, so the jump on
    # screen shows both were.
    e2e_click_cell "$form1" 4 2
    e2e_click_cell "$form1" 4 4
    e2e_expect "the jump is not on screen $1" "$form1" "$(e2e_marble 4 4)" "$(e2e_hole 4 2)" "$(e2e_hole 4 3)"
    e2e_snapshot "$form1" after-jump

    e2e_click "$form1" "${EXIT[@]}"
    e2e_expect_exit "EXIT $1"
}
