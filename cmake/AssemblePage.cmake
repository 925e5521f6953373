cmake_policy(SET CMP0053 NEW)
# Writes the browser page as one file: page.html with its style (page.css),
# the WebAssembly module's script (CORE, the wasm embedded in it) and the
# page's own scripts (page_tools.js, page_files.js, page.js) put in place of its three markers.
# The English words come from the desktop's translation file (TS): every
# German source and its English translation, as a JavaScript object in place
# of a fourth marker in the script.
# Usage: cmake -DOUTPUT=... -DSOURCE_DIR=... -DCORE=... -DTS=... -P AssemblePage.cmake

file(READ ${SOURCE_DIR}/page.html page)
file(READ ${SOURCE_DIR}/page.css style)
# The page's scripts in one: the tools and the files before the page that uses them.
set(script "")
foreach(part IN ITEMS page_tools.js page_files.js page.js)
  file(READ ${SOURCE_DIR}/${part} text)
  string(APPEND script "${text}\n")
endforeach()
file(READ ${CORE} core)

# One "source": "translation" entry per translated message.
file(READ ${TS} ts)
# A semicolon would split CMake's list of matches: it travels as a mark that
# holds none (the unit separator, which no message contains).
string(ASCII 31 semicolon)
string(REPLACE ";" "${semicolon}" ts "${ts}")
string(REGEX MATCHALL "<source>[^<]*</source>[ \t\r\n]*(<comment>[^<]*</comment>[ \t\r\n]*)?<translation>[^<]+</translation>" messages "${ts}")
set(english "")
foreach(message IN LISTS messages)
  string(REGEX REPLACE "^<source>([^<]*)</source>.*$" "\\1" source "${message}")
  string(REGEX REPLACE "^.*<translation>([^<]*)</translation>$" "\\1" translation "${message}")
  foreach(part IN ITEMS source translation)
    string(REPLACE "${semicolon}" ";" ${part} "${${part}}")
    string(REPLACE "&lt;" "<" ${part} "${${part}}")
    string(REPLACE "&gt;" ">" ${part} "${${part}}")
    string(REPLACE "&quot;" "\"" ${part} "${${part}}")
    string(REPLACE "&apos;" "'" ${part} "${${part}}")
    string(REPLACE "&amp;" "&" ${part} "${${part}}")
    string(REPLACE "\\" "\\\\" ${part} "${${part}}")
    string(REPLACE "\"" "\\\"" ${part} "${${part}}")
    string(REPLACE "\n" "\\n" ${part} "${${part}}")
  endforeach()
  string(APPEND english "\"${source}\": \"${translation}\",\n")
endforeach()
string(REPLACE "/*=ENGLISH=*/" "${english}" script "${script}")
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
