#!/usr/bin/env bash
# Runs a command under its own Xvfb (on the first free display) with Mesa's
# software OpenGL and OpenAL Soft's null backend, so tests need no screen
# and no sound card. The server goes away with the command.
set -euo pipefail

display=""
for n in $(seq 90 150); do
  if [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ]; then display=$n; break; fi
done
[ -n "$display" ] || { echo "headless: no free X display" >&2; exit 1; }

Xvfb ":$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; wait $xvfb 2>/dev/null || true' EXIT
for _ in $(seq 1 100); do
  [ -e "/tmp/.X11-unix/X$display" ] && break
  kill -0 $xvfb 2>/dev/null || { echo "headless: Xvfb did not start" >&2; exit 1; }
  sleep 0.05
done

export DISPLAY=":$display"
export LIBGL_ALWAYS_SOFTWARE=1
export ALSOFT_DRIVERS=null
unset WAYLAND_DISPLAY
"$@"
