# Sourced by play_through.sh: the driver's own model of the game, kept apart from the
# program's code, to know which cue each click must sound and how many marbles are left.
# Cells by column and row; index 9 * column + row + 1 as the game numbers them.

declare -a board=()
marbles=0
# The last-position marker: the source of the next move. It starts on column 4, row 2 and
# RESTART does not move it.
marker_column=4
marker_row=2

cell_index() { # column row
    echo $(( 9 * $1 + $2 + 1 ))
}

on_board() { # column row
    (( ($1 >= 3 && $1 <= 5) || ($2 >= 3 && $2 <= 5) ))
}

board_reset() {
    local c r
    for c in {0..8}; do
        for r in {0..8}; do
            if on_board "$c" "$r"; then board[$(cell_index "$c" "$r")]=1; else board[$(cell_index "$c" "$r")]=2; fi
        done
    done
    board[$(cell_index 4 4)]=0
    marbles=44
}

# A click on a cell of the board: moves the marker there and judges the pair it made.
# Sets REPLY to the cue: gain (a jump, made on the model too), loss (two apart in a line but
# not a legal jump) or normal (not two apart in one row or one column).
board_click() { # column row
    local c=$1 r=$2 sc=$marker_column sr=$marker_row
    marker_column=$c
    marker_row=$r
    if ! (( (c == sc && (r - sr == 2 || sr - r == 2)) || (r == sr && (c - sc == 2 || sc - c == 2)) )); then
        REPLY=normal
        return
    fi
    local source target middle
    source=$(cell_index "$sc" "$sr")
    target=$(cell_index "$c" "$r")
    middle=$(cell_index $(( (sc + c) / 2 )) $(( (sr + r) / 2 )))
    if (( board[source] == 1 && board[middle] == 1 && board[target] == 0 )); then
        board[source]=0
        board[middle]=0
        board[target]=1
        marbles=$(( marbles - 1 ))
        REPLY=gain
    else
        REPLY=loss
    fi
}
