# shellcheck shell=bash
# Sourced by the checks that take a whole test with the keyboard alone: packaging/check-installed
# types the keys with xdotool on X, tests/wayland/run-wayland-check with wtype (wayland_keys).

# whole_test_keys: the keys of a whole test, from the main window as it opens (the focus on
# Exit) to the grade box, named as xdotool names them. F2 takes the focus to the first
# question's answers; Space chooses the focused answer, Shift+Tab three times goes back past
# New test and Exit to Accept answer, and Return accepts it and moves the focus to Next
# question, whose Space brings the next question with the focus on its first answer.
whole_test_keys() {
    local step
    echo F2
    for step in 1 2 3 4 5 6 7; do
        [ "$step" -eq 1 ] || echo space
        echo space shift+Tab shift+Tab shift+Tab Return
    done
}
