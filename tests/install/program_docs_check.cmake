# The program and its man page tell the same story: --version prints exactly
# "korvelindra <project version>", and the options that --help lists are the
# options the man page has entries for, no more and no fewer.
# Run as: cmake -DPROGRAM=... -DMAN_PAGE=... -DVERSION=... -P program_docs_check.cmake

foreach(_var PROGRAM MAN_PAGE VERSION)
  if(NOT DEFINED ${_var} OR "${${_var}}" STREQUAL "")
    message(FATAL_ERROR "${_var} is not set")
  endif()
endforeach()

set(_failures 0)
macro(fail text)
  message(SEND_ERROR "${text}")
  math(EXPR _failures "${_failures} + 1")
endmacro()

# A program that ignored the option would open its window: the time limit
# turns that into a failure instead of a hanging test.
function(run_program option out)
  execute_process(COMMAND "${PROGRAM}" ${option} TIMEOUT 30
    RESULT_VARIABLE _rc OUTPUT_VARIABLE _out ERROR_VARIABLE _err)
  if(NOT _rc EQUAL 0)
    message(FATAL_ERROR "korvelindra ${option} ended with '${_rc}':\n${_out}${_err}")
  endif()
  set(${out} "${_out}" PARENT_SCOPE)
endfunction()

# The long options named in a text, sorted and without repeats.
function(long_options text out)
  string(REGEX MATCHALL "--[a-z][a-z-]*[a-z]" _options "${text}")
  list(REMOVE_DUPLICATES _options)
  list(SORT _options)
  set(${out} "${_options}" PARENT_SCOPE)
endfunction()

run_program(--version _version)
if(NOT _version STREQUAL "korvelindra ${VERSION}\n")
  fail("--version prints '${_version}', expected 'korvelindra ${VERSION}'")
endif()

run_program(--help _help)
# Only the option list of the help text, not its examples.
string(FIND "${_help}" "\nExamples:" _end)
if(_end GREATER 0)
  string(SUBSTRING "${_help}" 0 ${_end} _help)
endif()
long_options("${_help}" _help_options)

# The man page's entries: the first line after each .TP, roff's \- as -.
file(READ "${MAN_PAGE}" _page)
string(REGEX MATCHALL "\n\\.TP\n\\.B[IR]? [^\n]*" _entries "${_page}")
string(REPLACE "\\-" "-" _entries "${_entries}")
long_options("${_entries}" _man_options)

if(_help_options STREQUAL "")
  fail("--help lists no options:\n${_help}")
endif()
if(NOT _help_options STREQUAL _man_options)
  set(_missing ${_help_options})
  list(REMOVE_ITEM _missing ${_man_options})
  set(_extra ${_man_options})
  list(REMOVE_ITEM _extra ${_help_options})
  fail("man page and --help differ: not in the man page '${_missing}', "
       "not in --help '${_extra}'")
endif()

if(_failures GREATER 0)
  message(FATAL_ERROR "${_failures} check(s) of the program against its man page failed")
endif()
message(STATUS "--version and the ${_help_options} of --help agree with the man page")
