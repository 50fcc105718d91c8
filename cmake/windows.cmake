# The Windows build: the platform layer, hovrel.exe and the tests that run
# under Wine. Everything links statically: the exe needs no DLL but Windows' own.
enable_language(RC)
add_link_options(-static -static-libgcc -static-libstdc++)

# Every Windows binary carries the manifest: the common controls of today,
# and awareness of each monitor's resolution.
set(HOVREL_MANIFEST_RC ${CMAKE_SOURCE_DIR}/resources/manifest.rc)
function(hovrel_windows_binary target)
  target_sources(${target} PRIVATE ${HOVREL_MANIFEST_RC})
  target_compile_options(${target} PRIVATE ${HOVREL_WARNINGS})
endfunction()

file(GLOB HOVREL_PLATFORM_SOURCES CONFIGURE_DEPENDS src/platform/*_win32.cpp src/forms/win32/*_win32.cpp)
add_library(hovrel_platform STATIC ${HOVREL_PLATFORM_SOURCES})
target_link_libraries(hovrel_platform PUBLIC hovrel_core user32 gdi32 comctl32)
target_compile_options(hovrel_platform PRIVATE ${HOVREL_WARNINGS})
target_compile_definitions(hovrel_platform PUBLIC WIN32_LEAN_AND_MEAN NOMINMAX)

add_executable(hovrel WIN32 src/app/main_win32.cpp resources/hovrel.rc)
# CMake's scan of hovrel.rc sees its #includes only, not the icons windres
# reads; without this, redrawn icons would not reach the program.
set_source_files_properties(resources/hovrel.rc PROPERTIES OBJECT_DEPENDS
                            "${CMAKE_SOURCE_DIR}/resources/hovrel.ico;${CMAKE_SOURCE_DIR}/resources/tray.ico")
target_link_libraries(hovrel PRIVATE hovrel_platform)
hovrel_windows_binary(hovrel)
# Help > Read Me opens readme.txt from the program's own directory. Copied
# byte for byte (CRLF kept for Notepad), again whenever it changes.
configure_file(resources/readme.txt ${CMAKE_BINARY_DIR}/readme.txt COPYONLY)

# Wine runs the Windows test programs; ctest starts them through this.
set(HOVREL_WINE_RUN ${CMAKE_SOURCE_DIR}/scripts/wine-run)
file(GLOB HOVREL_WINE_TEST_SOURCES CONFIGURE_DEPENDS tests/wine/*_test.cpp)
if(HOVREL_WINE_TEST_SOURCES)
  file(GLOB HOVREL_WINE_SUPPORT CONFIGURE_DEPENDS tests/wine/support/*.cpp)
  add_executable(hovrel_wine_tests ${HOVREL_WINE_TEST_SOURCES} ${HOVREL_WINE_SUPPORT})
  # The tests drive hovrel.exe from outside and share only its names (the
  # control ids, the window system's constants) and its form tables, which
  # say where a relayout must put each control; none of its Win32 code.
  target_include_directories(hovrel_wine_tests PRIVATE src tests/wine)
  target_compile_definitions(hovrel_wine_tests PRIVATE WIN32_LEAN_AND_MEAN NOMINMAX)
  target_link_libraries(hovrel_wine_tests PRIVATE hovrel_core gtest_main user32 gdi32 shell32 advapi32)
  hovrel_windows_binary(hovrel_wine_tests)
  # Only the program is built as it ships; its tests need no optimising.
  target_compile_options(hovrel_wine_tests PRIVATE -O0)
  # The end-to-end tests start the program from beside themselves.
  add_dependencies(hovrel_wine_tests hovrel)
  add_test(NAME wine_tests COMMAND ${HOVREL_WINE_RUN} $<TARGET_FILE:hovrel_wine_tests> --gtest_brief=0
           --gtest_filter=-PackageTest.*)
  set_tests_properties(wine_tests PROPERTIES TIMEOUT 900)
endif()

# A small, self-contained hovrel.exe in Release: optimised for size, unused
# functions and data dropped at link time, no symbols, no C++ demangler, and
# no unwind tables for its own code, which neither throws nor catches (see
# src/app/fatal_errors.cpp): a fifth of the exe's size otherwise.
if(CMAKE_BUILD_TYPE STREQUAL "Release")
  foreach(target hovrel_core hovrel_platform hovrel)
    target_compile_options(${target} PRIVATE -Os -ffunction-sections -fdata-sections -fno-exceptions
                                             -fno-asynchronous-unwind-tables)
  endforeach()
  target_sources(hovrel PRIVATE src/app/fatal_errors.cpp)
  target_link_options(hovrel PRIVATE -Wl,--gc-sections -s)
endif()

include(cmake/wine_benchmarks.cmake)

# The download: a zip of hovrel.exe and its read-me, nothing else, to unpack
# anywhere and start (`cmake --build --preset windows-release --target package`).
install(TARGETS hovrel RUNTIME DESTINATION .)
install(FILES resources/readme.txt DESTINATION .)
set(CPACK_GENERATOR ZIP)
set(HOVREL_PACKAGE_NAME
    "quarrow-hovrel-${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.${PROJECT_VERSION_TWEAK}-win32")
set(CPACK_PACKAGE_FILE_NAME ${HOVREL_PACKAGE_NAME})
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
set(CPACK_STRIP_FILES OFF)
include(CPack)

# The package is unpacked into an empty folder, as a user would, and its
# tests start the program from there; a notepad.exe (another program, any
# will do) is planted beside it.
if(HOVREL_WINE_TEST_SOURCES)
  add_test(NAME package_unpack COMMAND ${CMAKE_COMMAND}
           -D ZIP=${CMAKE_BINARY_DIR}/${HOVREL_PACKAGE_NAME}.zip
           -D FOLDER=${CMAKE_BINARY_DIR}/unpacked
           -D PLANTED=$<TARGET_FILE:hovrel>
           -P ${CMAKE_SOURCE_DIR}/cmake/unpack_package.cmake)
  set_tests_properties(package_unpack PROPERTIES FIXTURES_SETUP unpacked)
  add_test(NAME package_tests COMMAND ${HOVREL_WINE_RUN} $<TARGET_FILE:hovrel_wine_tests> --gtest_filter=PackageTest.*)
  set_tests_properties(package_tests PROPERTIES FIXTURES_REQUIRED unpacked TIMEOUT 300)
endif()
