# Sourced by the tests that play the real program: where a cell of the board lies in the main
# window, in twips (e2e_px turns them into device pixels), as the design places the holes, the
# marble discs and the hover marker's ring, one pitch of 600 twips apart. Columns and rows
# count from 0 at the top left of the 9 by 9 grid.

# The middle of a cell's hole: where a motion or a click lands on that cell.
e2e_cell_x() { # column
    echo $((1807 + 600 * $1))
}
e2e_cell_y() { # row
    echo $((1087 + 600 * $1))
}

# Probes of one cell (see window_probe.cpp): its marble below the highlight, its empty hole's
# middle, and the top of the hover marker's ring standing on it; a grey marble, a hole of the
# start colour and a yellow ring unless a colour (RRGGBB) is given.
e2e_marble() { # column row [colour]
    echo "marble($1,$2)@$((1807 + 600 * $1)),$((1187 + 600 * $2))=${3:-808080}"
}
e2e_hole() { # column row [colour]
    echo "hole($1,$2)@$((1807 + 600 * $1)),$((1087 + 600 * $2))=${3:-FFC080}"
}
e2e_hover_ring() { # column row [colour]
    echo "hover($1,$2)@$((1797 + 600 * $1)),$((880 + 600 * $2))=${3:-FFFF00}"
}

# A motion, or a motion and a click, onto a cell (e2e_move and e2e_click of e2e_session.sh).
e2e_move_cell() { # window column row
    e2e_move "$1" "$(e2e_cell_x "$2")" "$(e2e_cell_y "$3")"
}
e2e_click_cell() { # window column row
    e2e_click "$1" "$(e2e_cell_x "$2")" "$(e2e_cell_y "$3")"
}
