# Starts PROGRAM (called NAME) as a user at a terminal would, with no display
# at all: help, version and usage errors must not need one. Settings live in
# CONFIG, never in the user's folder.
#   cmake -DPROGRAM=... -DNAME=... -DVERSION=... -DORGANIZATION=... -DCONFIG=... -P check_program.cmake
cmake_minimum_required(VERSION 3.22)

unset(ENV{DISPLAY})
unset(ENV{WAYLAND_DISPLAY})
# A QApplication would abort here, having no X server to talk to.
set(ENV{QT_QPA_PLATFORM} xcb)
set(ENV{XDG_CONFIG_HOME} ${CONFIG})
file(REMOVE_RECURSE ${CONFIG})

# Runs the program with the arguments after `code` and expects that exit code.
function(expect code)
  set(args ${ARGN})
  execute_process(COMMAND ${PROGRAM} ${args} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc STREQUAL code)
    message(FATAL_ERROR "${NAME} ${args}: exit ${rc}, expected ${code}\nstdout: ${out}\nstderr: ${err}")
  endif()
  set(args "${args}" PARENT_SCOPE)
  set(out "${out}" PARENT_SCOPE)
  set(err "${err}" PARENT_SCOPE)
endfunction()

macro(fail what)
  message(FATAL_ERROR "${NAME} ${args}: ${what}\nstdout: ${out}\nstderr: ${err}")
endmacro()

expect(0 --version)
if(NOT out STREQUAL "${NAME} ${VERSION}\n")
  fail("should print the project version")
endif()

# Chinese unless told otherwise; Qt's own words (用法, Usage) follow the language.
expect(0 --help)
if(NOT out MATCHES "^用法" OR NOT out MATCHES "--lang <zh\\|en>")
  fail("should list --lang, in Chinese")
endif()
expect(0 --lang en --help)
if(NOT out MATCHES "^Usage")
  fail("should be English")
endif()

expect(2 --no-such-option)
if(NOT out STREQUAL "" OR NOT err MATCHES "no-such-option.*--lang")
  fail("should name the option and give the usage")
endif()
expect(2 --lang fr)
if(NOT err MATCHES "fr")
  fail("should name the refused value")
endif()
expect(2 stray)

# The language stored by the menu applies at the next start; --lang still wins.
file(WRITE ${CONFIG}/${ORGANIZATION}/${NAME}.conf "[General]\nlanguage=en\n")
expect(0 --help)
if(NOT out MATCHES "^Usage")
  fail("the stored language should apply")
endif()
expect(0 --help --lang zh)
if(NOT out MATCHES "^用法")
  fail("--lang should win over the stored language")
endif()
