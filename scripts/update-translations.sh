#!/usr/bin/env bash
# Refreshes the translation catalogues in i18n/ from the application's sources: new texts are
# added (unfinished), texts no longer used are marked obsolete, translations are kept.
# English is the source language; its catalogue only repeats the source texts.
set -euo pipefail
cd "$(dirname "$0")/.."
lupdate=/usr/lib/qt6/bin/lupdate
languages=(en ja de_DE fr_FR ko es_MX pt_BR it zh_Hant nl_NL)
catalogues=()
for language in "${languages[@]}"; do
  catalogues+=("i18n/tarnveil_${language}.ts")
done
for catalogue in "${catalogues[@]}"; do
  language=${catalogue#i18n/tarnveil_}
  language=${language%.ts}
  "$lupdate" -silent -locations none -no-ui-lines -target-language "$language" app -ts "$catalogue"
done
