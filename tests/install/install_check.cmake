# Installs the viewer's install component into a fresh prefix and checks what
# a desktop and a package need: exactly the expected files; the program an
# executable ELF file; the PNG icons at their hicolor sizes and the SVG icon;
# the desktop entry valid for desktop-file-validate, in English and German;
# the AppStream metainfo valid for appstreamcli and naming the desktop entry and
# this version; the man page free of groff warnings, stamped with this version
# and documenting every option; the licence in Debian's copyright format.
# Run as: cmake -DBUILD_DIR=... -DSOURCE_DIR=... -DPREFIX=... -DVERSION=...
#   -DRELEASE_DATE=... -DVALIDATOR=... -DAPPSTREAMCLI=... -DGROFF=... -DGZIP=...
#   -P install_check.cmake

foreach(_var BUILD_DIR SOURCE_DIR PREFIX VERSION RELEASE_DATE)
  if(NOT DEFINED ${_var} OR "${${_var}}" STREQUAL "")
    message(FATAL_ERROR "${_var} is not set")
  endif()
endforeach()
# The checking tools are part of the test: without one the test fails.
foreach(_tool VALIDATOR:desktop-file-utils APPSTREAMCLI:appstream GROFF:groff-base GZIP:gzip)
  string(REPLACE ":" ";" _pair "${_tool}")
  list(GET _pair 0 _var)
  list(GET _pair 1 _package)
  if(NOT ${_var} OR NOT EXISTS "${${_var}}")
    message(FATAL_ERROR "${_var}: checking tool not found (Debian package ${_package})")
  endif()
endforeach()

set(_failures 0)
macro(fail text)
  message(SEND_ERROR "${text}")
  math(EXPR _failures "${_failures} + 1")
endmacro()

# Bytes of a file as lowercase hex.
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

set(_id org.korvelindra.Korvelindra)
set(_icon_sizes 16 32 48 64 128 256)
set(_program "${PREFIX}/bin/korvelindra")
set(_entry "${PREFIX}/share/applications/${_id}.desktop")
set(_metainfo "${PREFIX}/share/metainfo/${_id}.metainfo.xml")
set(_man "${PREFIX}/share/man/man1/korvelindra.1.gz")
set(_copyright "${PREFIX}/share/doc/korvelindra/copyright")
set(_svg "${PREFIX}/share/icons/hicolor/scalable/apps/korvelindra.svg")

# Exactly these files: the .deb packs this component and nothing else.
file(GLOB_RECURSE _installed LIST_DIRECTORIES false RELATIVE "${PREFIX}" "${PREFIX}/*")
list(SORT _installed)
set(_expected
    bin/korvelindra
    share/applications/${_id}.desktop
    share/doc/korvelindra/copyright)
foreach(_size IN LISTS _icon_sizes)
  list(APPEND _expected share/icons/hicolor/${_size}x${_size}/apps/korvelindra.png)
endforeach()
list(APPEND _expected
    share/icons/hicolor/scalable/apps/korvelindra.svg
    share/man/man1/korvelindra.1.gz
    share/metainfo/${_id}.metainfo.xml)
list(SORT _expected)
if(NOT _installed STREQUAL _expected)
  fail("installed files are '${_installed}', expected '${_expected}'")
endif()

# --- the program
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

# --- the icons: PNG signature, then the IHDR chunk with width and height as
# 32-bit big-endian numbers; each size painted at its own size.
foreach(_size IN LISTS _icon_sizes)
  set(_icon "${PREFIX}/share/icons/hicolor/${_size}x${_size}/apps/korvelindra.png")
  if(NOT EXISTS "${_icon}")
    continue()
  endif()
  read_hex("${_icon}" 0 8 _signature)
  read_hex("${_icon}" 12 4 _chunk)
  read_hex("${_icon}" 16 4 _width)
  read_hex("${_icon}" 20 4 _height)
  math(EXPR _want "${_size}" OUTPUT_FORMAT HEXADECIMAL)
  string(SUBSTRING "${_want}" 2 -1 _want)
  string(LENGTH "${_want}" _digits)
  while(_digits LESS 8)
    string(PREPEND _want "0")
    math(EXPR _digits "${_digits} + 1")
  endwhile()
  if(NOT _signature STREQUAL "89504e470d0a1a0a" OR NOT _chunk STREQUAL "49484452")
    fail("${_icon} is not a PNG file")
  elseif(NOT _width STREQUAL _want OR NOT _height STREQUAL _want)
    fail("${_icon} is 0x${_width} x 0x${_height} pixels, not ${_size} x ${_size}")
  endif()
endforeach()
if(EXISTS "${_svg}")
  file(READ "${_svg}" _text)
  string(REGEX MATCHALL "<polygon " _polygons "${_text}")
  list(LENGTH _polygons _polygon_count)
  if(NOT _text MATCHES "^<\\?xml [^\n]*\n<svg xmlns=\"http://www.w3.org/2000/svg\"" OR
     NOT _text MATCHES "viewBox=\"0 0 64 64\"" OR NOT _text MATCHES "</svg>\n$")
    fail("${_svg} is not a complete SVG document with a 64 x 64 view box")
  elseif(_polygon_count LESS 12)
    fail("${_svg} has ${_polygon_count} facets, the icon shows at least 12")
  endif()
endif()

# --- the desktop entry
if(EXISTS "${_entry}")
  execute_process(COMMAND "${VALIDATOR}" "${_entry}"
    RESULT_VARIABLE _rc OUTPUT_VARIABLE _out ERROR_VARIABLE _err)
  if(NOT _rc EQUAL 0 OR _out MATCHES "error|warning" OR _err MATCHES "error|warning")
    fail("desktop-file-validate rejects ${_entry} (${_rc}):\n${_out}${_err}")
  endif()
  file(READ "${_entry}" _text)
  # The entry must start the installed program and show the installed icon.
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
  # English keys with German translations.
  foreach(_key GenericName Comment Keywords)
    if(NOT _text MATCHES "\n${_key}=[^\n]+\n" OR NOT _text MATCHES "\n${_key}\\[de\\]=[^\n]+\n")
      fail("desktop entry lacks ${_key} or ${_key}[de]")
    endif()
  endforeach()
  string(REGEX MATCH "\nKeywords\\[de\\]=([^\n]*)" _line "${_text}")
  set(_keywords ";${CMAKE_MATCH_1}")
  foreach(_word Polyeder Geometrie Körper Platonisch Archimedisch Catalan)
    if(NOT _keywords MATCHES ";${_word};")
      fail("Keywords[de] lacks ${_word}")
    endif()
  endforeach()
endif()

# --- the AppStream metainfo
if(EXISTS "${_metainfo}")
  execute_process(COMMAND "${APPSTREAMCLI}" validate --no-net "${_metainfo}"
    RESULT_VARIABLE _rc OUTPUT_VARIABLE _out ERROR_VARIABLE _err)
  if(NOT _rc EQUAL 0)
    fail("appstreamcli validate rejects ${_metainfo} (${_rc}):\n${_out}${_err}")
  endif()
  file(READ "${_metainfo}" _text)
  if(NOT _text MATCHES "<id>${_id}</id>")
    fail("metainfo id is not ${_id}, the name of the installed metainfo file")
  endif()
  if(NOT _text MATCHES "<launchable type=\"desktop-id\">${_id}.desktop</launchable>")
    fail("metainfo does not launch the installed desktop entry ${_id}.desktop")
  endif()
  if(NOT _text MATCHES "<release version=\"${VERSION}\" date=\"${RELEASE_DATE}\"")
    fail("metainfo has no release ${VERSION} dated ${RELEASE_DATE}")
  endif()
  if(NOT _text MATCHES "<summary xml:lang=\"de\">" OR NOT _text MATCHES "<p xml:lang=\"de\">")
    fail("metainfo has no German summary or description")
  endif()
  if(NOT _text MATCHES "<image>https://[^<]+/docs/screenshot.png</image>")
    fail("metainfo does not show docs/screenshot.png from the repository")
  endif()
  if(NOT _text MATCHES "<content_rating type=\"oars-1.1\"")
    fail("metainfo has no OARS content rating")
  endif()
endif()

# --- the man page: groff finds nothing to warn about, the header carries this
# version, and every option of the program has its own entry.
if(EXISTS "${_man}")
  execute_process(COMMAND "${GZIP}" -dc "${_man}"
    RESULT_VARIABLE _rc OUTPUT_VARIABLE _page ERROR_VARIABLE _err)
  if(NOT _rc EQUAL 0)
    fail("${_man} is not gzip-compressed (${_rc}): ${_err}")
  endif()
  set(_plain "${PREFIX}/../korvelindra.1")
  file(WRITE "${_plain}" "${_page}")
  execute_process(COMMAND "${GROFF}" -man -Tutf8 -ww -z "${_plain}"
    RESULT_VARIABLE _rc OUTPUT_VARIABLE _out ERROR_VARIABLE _err)
  if(NOT _rc EQUAL 0 OR NOT _err STREQUAL "")
    fail("groff warns about the man page (${_rc}):\n${_err}")
  endif()
  if(NOT _page MATCHES "\n\\.TH KORVELINDRA 1 \"${RELEASE_DATE}\" \"korvelindra ${VERSION}\"")
    fail("man page header is not section 1 of korvelindra ${VERSION} dated ${RELEASE_DATE}")
  endif()
  foreach(_option help version solid view marks scale export-picture export-solid size-mm
                  properties json export-net paper edge-mm no-tabs tabs orientation
                  no-numbers scale-bar no-scale-bar face-numbers no-face-numbers
                  fold-angles no-fold-angles)
    string(REPLACE "-" "\\\\-" _escaped "${_option}")
    if(NOT _page MATCHES "\n\\.TP\n\\.B[IR]? [^\n]*\\\\-\\\\-${_escaped}( |\n)")
      fail("man page has no entry for --${_option}")
    endif()
  endforeach()
endif()

# --- the licence: Debian's machine-readable format, the MIT (Expat) text of
# LICENSE word for word, and the project as the copyright holder.
if(EXISTS "${_copyright}")
  file(READ "${_copyright}" _text)
  if(NOT _text MATCHES
     "^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/\n")
    fail("${_copyright} is not in Debian's machine-readable format")
  endif()
  if(NOT _text MATCHES "\nFiles: \\*\nCopyright: 2026 Korvelindra-Projekt\nLicense: Expat\n")
    fail("${_copyright} does not give all files to the Korvelindra project under Expat")
  endif()
  # The stand-alone licence paragraph, its continuation lines unindented.
  string(REGEX MATCH "\n\nLicense: Expat\n(.*)$" _paragraph "${_text}")
  string(REGEX REPLACE "(^|\n) \\.\n" "\\1\n" _body "${CMAKE_MATCH_1}")
  string(REGEX REPLACE "(^|\n) " "\\1" _body "${_body}")
  file(READ "${SOURCE_DIR}/LICENSE" _licence)
  string(FIND "${_licence}" "Permission is hereby granted" _start)
  if(_start LESS 0)
    fail("LICENSE is not the MIT licence")
  else()
    string(SUBSTRING "${_licence}" ${_start} -1 _licence)
    if(NOT _body STREQUAL _licence)
      fail("the licence in ${_copyright} differs from LICENSE:\n${_body}\n---\n${_licence}")
    endif()
  endif()
endif()

if(_failures GREATER 0)
  message(FATAL_ERROR "${_failures} install check(s) failed")
endif()
message(STATUS "install into ${PREFIX}: program, desktop entry, metainfo, icons, man page "
               "and copyright in place")
