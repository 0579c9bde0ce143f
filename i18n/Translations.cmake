# The interface catalogues: every i18n/*.ts is compiled to a .qm and embedded in TARGET's
# resources under :/i18n. scripts/update-translations.sh refreshes the .ts files from the
# sources; the build never rewrites them.
function(tarnveil_add_translations target)
  file(GLOB ts_files CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/i18n/*.ts)
  qt_add_lrelease(${target} TS_FILES ${ts_files} OPTIONS -silent QM_FILES_OUTPUT_VARIABLE qm_files)
  qt_add_resources(${target} tarnveil_translations PREFIX /i18n BASE ${CMAKE_CURRENT_BINARY_DIR} FILES ${qm_files})
endfunction()
