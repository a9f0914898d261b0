# Shared by the scripts that drive the program inside an X session.
# shellcheck shell=bash

# zq_wait_for_window [SECONDS=10]: waits for the program's window to be shown, activates it
# and sets `window` to its id and `x` and `y` to its client area's top-left on screen.
# Fails when no window appears in time.
zq_wait_for_window() {
  local tries=$((${1:-10} * 10))
  window=""
  for _ in $(seq 1 "$tries"); do
    window=$(xdotool search --onlyvisible --name ZembroltQuorvane 2>/dev/null | head -n 1 || true)
    [ -n "$window" ] && break
    sleep 0.1
  done
  if [ -z "$window" ]; then
    echo "the window did not appear" >&2
    return 1
  fi
  xdotool windowactivate --sync "$window" >/dev/null 2>&1 || true
  read -r x y < <(xwininfo -id "$window" |
    awk '/Absolute upper-left X/ {x=$4} /Absolute upper-left Y/ {y=$4} END {print x, y}')
}
