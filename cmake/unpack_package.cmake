# Unpacks the download into an empty FOLDER and checks that it holds exactly
# hovrel.exe and readme.txt, the read-me with its CRLF lines; then plants
# PLANTED as notepad.exe beside the program, where a careless start of
# Notepad would find it first. Run by ctest: cmake -D ZIP=... -D FOLDER=...
# -D PLANTED=... -P unpack_package.cmake
if(NOT EXISTS "${ZIP}")
  message(FATAL_ERROR "no package at ${ZIP}: build the 'package' target first")
endif()
file(REMOVE_RECURSE "${FOLDER}")
file(MAKE_DIRECTORY "${FOLDER}")
file(ARCHIVE_EXTRACT INPUT "${ZIP}" DESTINATION "${FOLDER}")
file(GLOB_RECURSE unpacked RELATIVE "${FOLDER}" "${FOLDER}/*")
list(SORT unpacked)
if(NOT unpacked STREQUAL "hovrel.exe;readme.txt")
  message(FATAL_ERROR "the package holds '${unpacked}', not exactly hovrel.exe and readme.txt")
endif()
file(READ "${FOLDER}/readme.txt" readme HEX)
string(REGEX MATCHALL "0d0a" crlf "${readme}")
string(REGEX MATCHALL "0a" lf "${readme}")
list(LENGTH crlf crlfCount)
list(LENGTH lf lfCount)
if(crlfCount EQUAL 0 OR NOT crlfCount EQUAL lfCount)
  message(FATAL_ERROR "readme.txt in the package does not end every line with CRLF")
endif()
file(COPY_FILE "${PLANTED}" "${FOLDER}/notepad.exe")
