# Every library with texts of its own has one English catalog,
# translations/<catalog>_en.ts, built into its resources as :/i18n/<catalog>_en.qm.
# The source texts are Chinese, so Chinese needs no catalog of ours.
# `cmake --build <dir> --target lupdate` refreshes every .ts from the sources.
set(QT_GLOBAL_LUPDATE_TARGET lupdate)
# No line numbers: they would change the .ts with every edit of a source.
set(QX_LUPDATE_OPTIONS -source-language zh_CN -locations none -no-obsolete)

function(qx_add_translations target catalog)
  cmake_parse_arguments(arg "" "" "SOURCES" ${ARGN})
  set(sources "")
  foreach(src ${arg_SOURCES})
    get_filename_component(src ${src} ABSOLUTE)
    if(src MATCHES "\\.(cpp|h)$")
      list(APPEND sources ${src})
    endif()
  endforeach()
  qt_add_translations(${target}
    TS_FILES ${PROJECT_SOURCE_DIR}/translations/${catalog}_en.ts
    SOURCES ${sources}
    RESOURCE_PREFIX /i18n
    LUPDATE_OPTIONS ${QX_LUPDATE_OPTIONS})
  # The translation test runs lupdate over the same sources into a copy.
  set_property(GLOBAL APPEND PROPERTY QX_TRANSLATION_CATALOGS ${catalog})
  set_property(GLOBAL PROPERTY QX_TRANSLATION_SOURCES_${catalog} ${sources})
endfunction()
