# Shared compile settings, linked PRIVATE into every target.

add_library(project_options INTERFACE)
target_compile_features(project_options INTERFACE cxx_std_20)
set(CMAKE_CXX_EXTENSIONS OFF)
# Line tables instead of full debug information (-g1 after the build type's -g):
# stack traces and sanitizer reports still name function, file and line, but
# no local variables are described, which makes compiling and linking the test
# builds markedly cheaper.
if(VELKORA_LINE_TABLES)
  target_compile_options(project_options INTERFACE -g1)
endif()
# The sanitizer builds optimise with -O1 instead of the build type's -O2 or
# -O3: it compiles markedly faster and keeps stack traces exact. The build
# type's flags are changed, not added to, so that a target can still ask for
# less (the window's tests, tests/CMakeLists.txt).
if(VELKORA_SANITIZE OR VELKORA_TSAN)
  foreach(config RELEASE RELWITHDEBINFO)
    string(REGEX REPLACE "-O[23]" "-O1" CMAKE_CXX_FLAGS_${config} "${CMAKE_CXX_FLAGS_${config}}")
  endforeach()
endif()
if(VELKORA_SANITIZE)
  target_compile_options(project_options INTERFACE -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
  target_link_options(project_options INTERFACE -fsanitize=address,undefined)
  # Bounds checks in the standard containers: an index past the end of a fixed
  # model array stays inside the struct, where the address sanitizer cannot see it.
  target_compile_definitions(project_options INTERFACE _GLIBCXX_ASSERTIONS)
endif()
# ThreadSanitizer checks the frame's hand-off to its helper thread; it cannot
# share a build with AddressSanitizer.
if(VELKORA_TSAN)
  if(VELKORA_SANITIZE)
    message(FATAL_ERROR "VELKORA_TSAN and VELKORA_SANITIZE exclude each other: use two builds")
  endif()
  target_compile_options(project_options INTERFACE -fsanitize=thread -fno-omit-frame-pointer)
  target_link_options(project_options INTERFACE -fsanitize=thread)
endif()

# Gives target an include root of its own that holds only the named folders
# of the source tree (by default the folder of the calling CMakeLists.txt),
# linked there under their own paths. "model/model.h" then resolves for the
# target and for whatever links it, and a header of a library that a target
# does not link fails to compile.
function(velkora_headers target)
  set(folders ${ARGN})
  if(NOT folders)
    file(RELATIVE_PATH folders ${PROJECT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR})
  endif()
  set(root ${PROJECT_BINARY_DIR}/include_roots/${target})
  foreach(folder IN LISTS folders)
    get_filename_component(parent ${root}/${folder} DIRECTORY)
    file(MAKE_DIRECTORY ${parent})
    file(CREATE_LINK ${PROJECT_SOURCE_DIR}/${folder} ${root}/${folder} SYMBOLIC)
  endforeach()
  get_target_property(type ${target} TYPE)
  if(type STREQUAL "INTERFACE_LIBRARY")
    target_include_directories(${target} INTERFACE ${root})
  elseif(type STREQUAL "EXECUTABLE")
    target_include_directories(${target} PRIVATE ${root})
  else()
    target_include_directories(${target} PUBLIC ${root})
  endif()
endfunction()

# The browser build: C++ exceptions on (emscripten leaves them off by default),
# and WebAssembly's 128-bit SIMD for the rasteriser's loops (every browser the
# page is for has it; the results are the same bits).
if(EMSCRIPTEN)
  target_compile_options(project_options INTERFACE -fexceptions -msimd128)
  target_link_options(project_options INTERFACE -fexceptions)
endif()

add_library(project_warnings INTERFACE)
target_compile_options(project_warnings INTERFACE -Wall -Wextra -Wpedantic)
if(VELKORA_WERROR)
  target_compile_options(project_warnings INTERFACE -Werror)
endif()

# The program's version, from project(... VERSION ...) only: a generated header
# app_version.h (velkora::kVersion) for every target that links app_version.
configure_file(${PROJECT_SOURCE_DIR}/cmake/app_version.h.in
               ${PROJECT_BINARY_DIR}/generated/app_version.h @ONLY)
add_library(app_version INTERFACE)
target_include_directories(app_version INTERFACE ${PROJECT_BINARY_DIR}/generated)

# Leaves the named targets out of a unity build (VELKORA_UNITY_BUILD): each
# of their sources is compiled on its own.
function(velkora_no_unity)
  foreach(target IN LISTS ARGN)
    set_target_properties(${target} PROPERTIES UNITY_BUILD OFF)
  endforeach()
endfunction()

# Precompiles the headers that the sources of the window's library and tests
# all parse (Qt's widgets, GoogleTest, the window's own header) when
# VELKORA_PRECOMPILED_HEADERS is on. These targets stay out of the unity
# build, so each of their many sources would parse them anew.
function(velkora_precompile_headers target)
  if(VELKORA_PRECOMPILED_HEADERS)
    target_precompile_headers(${target} PRIVATE ${ARGN})
  endif()
endfunction()
