# Sourced by the scripts that drive the program under Xvfb with xdotool.

# The first visible window whose title matches, waiting up to five seconds for it.
window() {
    for _ in 1 2 3 4 5 6 7 8 9 10; do
        found="$(xdotool search --onlyvisible --name "$1" | head -n 1)"
        test -z "$found" || { echo "$found"; return; }
        sleep 0.5
    done
}
