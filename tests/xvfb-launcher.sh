#!/bin/sh
# Runs one test program on an X server of its own when it is to use xcb, so
# that test programs running side by side never take each other's window
# focus or activation. -displayfd lets Xvfb pick a free display itself.
if [ "${QT_QPA_PLATFORM:-}" != xcb ] || ! command -v Xvfb >/dev/null 2>&1; then
    exec "$@"
fi
fdfile=$(mktemp)
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fdfile" 2>/dev/null &
xvfb=$!
i=0
while [ ! -s "$fdfile" ] && [ $i -lt 100 ]; do
    sleep 0.05
    i=$((i + 1))
done
if [ -s "$fdfile" ]; then
    DISPLAY=":$(head -n1 "$fdfile")"
    export DISPLAY
fi
rm -f "$fdfile"
"$@"
status=$?
kill "$xvfb" 2>/dev/null
wait "$xvfb" 2>/dev/null
exit $status
