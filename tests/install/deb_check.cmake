# Builds the .deb with CPack from an already built tree and reads it back with
# dpkg-deb: this version, the project as maintainer, dependencies found from
# the linked libraries, and the licence, metainfo and man page inside.
# Run as: cmake -DBUILD_DIR=... -DWORK_DIR=... -DVERSION=... -DDPKG_DEB=... -P deb_check.cmake

foreach(_var BUILD_DIR WORK_DIR VERSION)
  if(NOT DEFINED ${_var} OR "${${_var}}" STREQUAL "")
    message(FATAL_ERROR "${_var} is not set")
  endif()
endforeach()
if(NOT DPKG_DEB OR NOT EXISTS "${DPKG_DEB}")
  message(FATAL_ERROR "dpkg-deb not found (Debian package dpkg)")
endif()

set(_failures 0)
macro(fail text)
  message(SEND_ERROR "${text}")
  math(EXPR _failures "${_failures} + 1")
endmacro()

file(REMOVE_RECURSE "${WORK_DIR}")
file(MAKE_DIRECTORY "${WORK_DIR}")
get_filename_component(_cmake_dir "${CMAKE_COMMAND}" DIRECTORY)
execute_process(
  COMMAND "${_cmake_dir}/cpack" -G DEB --config "${BUILD_DIR}/CPackConfig.cmake" -B "${WORK_DIR}"
  RESULT_VARIABLE _rc OUTPUT_VARIABLE _out ERROR_VARIABLE _err)
if(NOT _rc EQUAL 0)
  message(FATAL_ERROR "cpack failed (${_rc}):\n${_out}${_err}")
endif()
file(GLOB _debs "${WORK_DIR}/*.deb")
list(LENGTH _debs _count)
if(NOT _count EQUAL 1)
  message(FATAL_ERROR "cpack made ${_count} packages, expected one: '${_debs}'")
endif()
get_filename_component(_name "${_debs}" NAME)
if(NOT _name MATCHES "^korvelindra_${VERSION}_[a-z0-9]+\\.deb$")
  fail("package file ${_name} is not korvelindra_${VERSION}_<arch>.deb")
endif()

execute_process(COMMAND "${DPKG_DEB}" --field "${_debs}"
  RESULT_VARIABLE _rc OUTPUT_VARIABLE _control ERROR_VARIABLE _err)
if(NOT _rc EQUAL 0)
  message(FATAL_ERROR "dpkg-deb cannot read ${_debs} (${_rc}): ${_err}")
endif()
if(NOT _control MATCHES "(^|\n)Package: korvelindra\n")
  fail("package is not named korvelindra:\n${_control}")
endif()
if(NOT _control MATCHES "\nVersion: ${VERSION}\n")
  fail("package version is not ${VERSION}:\n${_control}")
endif()
# The project maintains the package, not a person or a placeholder address.
if(NOT _control MATCHES "\nMaintainer: Korvelindra-Projekt <[^>@ ]+@[^> ]+>\n" OR
   _control MATCHES "\nMaintainer: [^\n]*example\\.")
  fail("package maintainer is not the Korvelindra project:\n${_control}")
endif()
if(NOT _control MATCHES "\nDepends: [^\n]*libqt6widgets6")
  fail("package does not depend on the Qt widgets library:\n${_control}")
endif()

execute_process(COMMAND "${DPKG_DEB}" --contents "${_debs}"
  RESULT_VARIABLE _rc OUTPUT_VARIABLE _contents ERROR_VARIABLE _err)
foreach(_file
    ./usr/bin/korvelindra
    ./usr/share/doc/korvelindra/copyright
    ./usr/share/metainfo/org.korvelindra.Korvelindra.metainfo.xml
    ./usr/share/man/man1/korvelindra.1.gz
    ./usr/share/applications/org.korvelindra.Korvelindra.desktop
    ./usr/share/icons/hicolor/scalable/apps/korvelindra.svg)
  if(NOT _contents MATCHES " ${_file}\n")
    fail("package does not contain ${_file}")
  endif()
endforeach()

if(_failures GREATER 0)
  message(FATAL_ERROR "${_failures} package check(s) failed")
endif()
message(STATUS "${_name}: version ${VERSION}, maintained by the Korvelindra project")
