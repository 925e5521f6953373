# Installs the viewer's install component into a fresh prefix and checks what
# a desktop needs: exactly the program, its desktop entry and its icon; the
# program an executable ELF file; the icon a 64 x 64 PNG; the desktop entry
# valid for desktop-file-validate and naming the installed program and icon.
# Run as: cmake -DBUILD_DIR=... -DPREFIX=... -DVALIDATOR=... -P install_check.cmake

foreach(_var BUILD_DIR PREFIX)
  if(NOT DEFINED ${_var})
    message(FATAL_ERROR "${_var} is not set")
  endif()
endforeach()
if(NOT VALIDATOR)
  message(FATAL_ERROR "desktop-file-validate not found (Debian package desktop-file-utils)")
endif()

set(_failures 0)
macro(fail text)
  message(SEND_ERROR "${text}")
  math(EXPR _failures "${_failures} + 1")
endmacro()

# Leading bytes of a file as lowercase hex.
function(read_hex file offset length out)
  file(READ "${file}" _hex OFFSET ${offset} LIMIT ${length} HEX)
  string(TOLOWER "${_hex}" _hex)
  set(${out} "${_hex}" PARENT_SCOPE)
endfunction()

file(REMOVE_RECURSE "${PREFIX}")
execute_process(
  COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}" --component korvelindra
  RESULT_VARIABLE _rc OUTPUT_VARIABLE _out ERROR_VARIABLE _err)
if(NOT _rc EQUAL 0)
  message(FATAL_ERROR "cmake --install failed (${_rc}):\n${_out}${_err}")
endif()

set(_program "${PREFIX}/bin/korvelindra")
set(_entry "${PREFIX}/share/applications/korvelindra.desktop")
set(_icon "${PREFIX}/share/icons/hicolor/64x64/apps/korvelindra.png")

# Exactly these three files: the .deb packs this component and nothing else.
file(GLOB_RECURSE _installed LIST_DIRECTORIES false RELATIVE "${PREFIX}" "${PREFIX}/*")
list(SORT _installed)
set(_expected bin/korvelindra share/applications/korvelindra.desktop
    share/icons/hicolor/64x64/apps/korvelindra.png)
if(NOT _installed STREQUAL _expected)
  fail("installed files are '${_installed}', expected '${_expected}'")
endif()

if(EXISTS "${_program}")
  execute_process(COMMAND test -x "${_program}" RESULT_VARIABLE _rc)
  if(NOT _rc EQUAL 0)
    fail("${_program} is not executable")
  endif()
  read_hex("${_program}" 0 4 _magic)
  if(NOT _magic STREQUAL "7f454c46")
    fail("${_program} is not an ELF file (starts with ${_magic})")
  endif()
endif()

if(EXISTS "${_icon}")
  # PNG signature, then the IHDR chunk: width and height as 32-bit big-endian.
  read_hex("${_icon}" 0 8 _signature)
  read_hex("${_icon}" 12 4 _chunk)
  read_hex("${_icon}" 16 4 _width)
  read_hex("${_icon}" 20 4 _height)
  if(NOT _signature STREQUAL "89504e470d0a1a0a" OR NOT _chunk STREQUAL "49484452")
    fail("${_icon} is not a PNG file")
  elseif(NOT _width STREQUAL "00000040" OR NOT _height STREQUAL "00000040")
    fail("${_icon} is 0x${_width} x 0x${_height} pixels, not 64 x 64")
  endif()
endif()

if(EXISTS "${_entry}")
  execute_process(COMMAND "${VALIDATOR}" "${_entry}"
    RESULT_VARIABLE _rc OUTPUT_VARIABLE _out ERROR_VARIABLE _err)
  if(NOT _rc EQUAL 0 OR _out MATCHES "error|warning" OR _err MATCHES "error|warning")
    fail("desktop-file-validate rejects ${_entry} (${_rc}):\n${_out}${_err}")
  endif()
  # The entry must start the installed program and show the installed icon.
  file(READ "${_entry}" _text)
  if(NOT _text MATCHES "\nExec=korvelindra( [^\n]*)?\n")
    fail("desktop entry does not start bin/korvelindra")
  endif()
  if(NOT _text MATCHES "\nIcon=korvelindra\n")
    fail("desktop entry does not name the installed icon korvelindra")
  endif()
  if(NOT _text MATCHES "\nCategories=([^\n]*;)?Education;" OR
     NOT _text MATCHES "\nCategories=([^\n]*;)?Math;")
    fail("desktop entry is not in the categories Education and Math")
  endif()
endif()

if(_failures GREATER 0)
  message(FATAL_ERROR "${_failures} install check(s) failed")
endif()
message(STATUS "install into ${PREFIX}: program, desktop entry and 64 x 64 icon in place")
