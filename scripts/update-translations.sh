#!/usr/bin/env bash
# Brings translations/orbitek_en.ts up to date with the texts in the sources: new texts are added as
# unfinished, vanished ones are dropped. Run it after changing any text a user sees, then translate.
set -euo pipefail
cd "$(dirname "$0")/.."
lupdate=$(command -v lupdate6 || command -v lupdate || echo /usr/lib/qt6/bin/lupdate)
"$lupdate" -silent -locations none -no-obsolete -source-language cs_CZ -target-language en \
    -tr-function-alias QT_TRANSLATE_NOOP+=ORBITEK_TR,QT_TRANSLATE_NOOP+=ORBITEK_TR_NOOP \
    app dialogs diagram core numtext cli motorfile -ts translations/orbitek_en.ts "$@"
