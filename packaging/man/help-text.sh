#!/bin/sh
# help2man runs the program through this: headless, and without the line of "tavrin --help" that
# names the template of this build tree (the manual page's FILES tell where the installed one is).
"$TAVRIN_MAN_PROGRAM" "$@" | sed '/^Template schedule: /d'
