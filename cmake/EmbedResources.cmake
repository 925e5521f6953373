# Writes a C++ source that holds the given compressed resources as byte arrays,
# together with the table that catalogue/resource_table.h declares.
# Run as a script: cmake -DOUTPUT=<file.cpp> -DDIR=<folder> -DNAMES=<A,B,...> -P EmbedResources.cmake
# Each name N is read from <folder>/N.z; the stored name is N as given.

if(NOT OUTPUT OR NOT DIR)
  message(FATAL_ERROR "EmbedResources.cmake needs OUTPUT and DIR")
endif()
string(REPLACE "," ";" _names "${NAMES}")

# A pattern that matches 16 bytes (32 hex digits): used to break the arrays into lines.
string(REPEAT "[0-9a-f]" 32 _sixteen_bytes)

set(_arrays "")
set(_rows "")
foreach(_name IN LISTS _names)
  set(_file "${DIR}/${_name}.z")
  if(NOT EXISTS "${_file}")
    message(FATAL_ERROR "Resource file ${_file} does not exist")
  endif()
  file(READ "${_file}" _hex HEX)
  string(LENGTH "${_hex}" _digits)
  math(EXPR _size "${_digits} / 2")
  if(_size EQUAL 0)
    # An empty resource has no array; its table row holds an empty span.
    string(APPEND _rows "    {\"${_name}\", std::span<const unsigned char>{}},\n")
  else()
    string(REGEX REPLACE "(${_sixteen_bytes})" "\\1\n" _hex "${_hex}")
    string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," _bytes "${_hex}")
    string(REGEX REPLACE ",$" "" _bytes "${_bytes}")
    string(REGEX REPLACE ",\n$" "" _bytes "${_bytes}")
    string(REPLACE "\n" "\n    " _bytes "${_bytes}")
    string(APPEND _arrays
      "// ${_name}.z, ${_size} bytes\n"
      "constexpr unsigned char k${_name}[${_size}] = {\n    ${_bytes}};\n\n")
    string(APPEND _rows "    {\"${_name}\", std::span<const unsigned char>(k${_name})},\n")
  endif()
endforeach()

set(_text "// Generated at build time by cmake/EmbedResources.cmake from resources/*.z.\n")
string(APPEND _text "// Do not edit: the build rewrites this file whenever a resource changes.\n\n")
string(APPEND _text "#include \"catalogue/resource_table.h\"\n\nnamespace velkora {\n\n")
if(_rows STREQUAL "")
  string(APPEND _text
    "std::span<const EmbeddedResource> embeddedResources() noexcept { return {}; }\n")
else()
  string(APPEND _text "namespace {\n\n${_arrays}")
  string(APPEND _text "constexpr EmbeddedResource kTable[] = {\n${_rows}};\n\n}  // namespace\n\n")
  string(APPEND _text
    "std::span<const EmbeddedResource> embeddedResources() noexcept { return kTable; }\n")
endif()
string(APPEND _text "\n}  // namespace velkora\n")

# Write only on change, so an unchanged table does not trigger a recompile.
if(EXISTS "${OUTPUT}")
  file(READ "${OUTPUT}" _old)
  if(_old STREQUAL _text)
    return()
  endif()
endif()
file(WRITE "${OUTPUT}" "${_text}")
