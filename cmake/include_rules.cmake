# Layering rules checked on every build: a custom target, which the library
# depends on, scans the folders and fails the build on an include the layer
# must not have, naming the file and line.
#
# qx_forbid_includes(<target> DIRS <folders...> REASON <text>
#                    [PATTERN <regex>] [HEADERS_OF <Qt targets...>])
# PATTERN: include names matching it are refused ("^app/").
# HEADERS_OF: every header of those Qt modules is refused, by whichever name
# it is included (<QWidget>, <QtWidgets/QWidget>, <QColor>).
function(qx_forbid_includes target)
  cmake_parse_arguments(arg "" "REASON;PATTERN" "DIRS;HEADERS_OF" ${ARGN})
  set(headerDirs "")
  set(pattern "${arg_PATTERN}")
  foreach(qt ${arg_HEADERS_OF})
    get_target_property(dirs ${qt} INTERFACE_INCLUDE_DIRECTORIES)
    foreach(dir ${dirs})
      # The module's own folder, not the common root above it.
      if(dir MATCHES "/(Qt[A-Za-z]+)$")
        list(APPEND headerDirs ${dir})
        set(module ${CMAKE_MATCH_1})
        if(pattern)
          string(APPEND pattern "|")
        endif()
        string(APPEND pattern "^${module}/")
      endif()
    endforeach()
  endforeach()
  add_custom_target(${target}_include_rules
    COMMAND ${CMAKE_COMMAND} "-DDIRS=${arg_DIRS}" "-DPATTERN=${pattern}" "-DHEADER_DIRS=${headerDirs}"
            "-DREASON=${arg_REASON}" -P ${PROJECT_SOURCE_DIR}/cmake/check_includes.cmake
    COMMENT "Checking what ${target} includes"
    VERBATIM)
  add_dependencies(${target} ${target}_include_rules)
endfunction()
