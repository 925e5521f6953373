cmake_policy(SET CMP0053 NEW)
# Writes the browser page as one file: page.html with its style (page.css),
# the WebAssembly module's script (CORE, the wasm embedded in it) and the
# page's own script (page.js) put in place of its three markers.
# Usage: cmake -DOUTPUT=... -DSOURCE_DIR=... -DCORE=... -P AssemblePage.cmake

file(READ ${SOURCE_DIR}/page.html page)
file(READ ${SOURCE_DIR}/page.css style)
file(READ ${SOURCE_DIR}/page.js script)
file(READ ${CORE} core)
# A script's text must not close its own element.
foreach(part IN ITEMS script core)
  string(REPLACE "</script" "<\\/script" ${part} "${${part}}")
endforeach()
foreach(marker IN ITEMS STYLE CORE SCRIPT)
  string(FIND "${page}" "/*=${marker}=*/" found)
  if(found EQUAL -1)
    message(FATAL_ERROR "page.html lacks its marker /*=${marker}=*/")
  endif()
endforeach()
string(REPLACE "/*=STYLE=*/" "${style}" page "${page}")
string(REPLACE "/*=CORE=*/" "${core}" page "${page}")
string(REPLACE "/*=SCRIPT=*/" "${script}" page "${page}")
file(WRITE ${OUTPUT} "${page}")
