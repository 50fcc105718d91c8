# The benchmarks that need the real window system: programs that print
# figures under Wine (scripts/bench.sh), never tests. Built only when asked
# for, in an optimised build, since other figures would mislead.
option(HOVREL_WINE_BENCHMARKS "Build the benchmarks that run under Wine" OFF)
if(NOT HOVREL_WINE_BENCHMARKS OR NOT CMAKE_BUILD_TYPE STREQUAL "Release")
  return()
endif()

# Stand-ins for the rest of the desktop: a process with a crowd of windows,
# and the least program that shows a window.
add_executable(window_crowd WIN32 bench/wine/crowd_helper.cpp bench/wine/window_crowd.cpp)
target_link_libraries(window_crowd PRIVATE user32 gdi32)
hovrel_windows_binary(window_crowd)

add_executable(bare_window WIN32 bench/wine/bare_window.cpp)
target_link_libraries(bare_window PRIVATE user32 gdi32)
hovrel_windows_binary(bare_window)

# hovrel.exe's start with a stamp at the end of each step: the program's
# own classes and resources, compiled and linked as hovrel.exe is.
add_executable(hovrel_phases WIN32 bench/wine/phased_start.cpp src/app/fatal_errors.cpp resources/hovrel.rc)
target_link_libraries(hovrel_phases PRIVATE hovrel_platform)
hovrel_windows_binary(hovrel_phases)
target_compile_options(hovrel_phases PRIVATE -Os -ffunction-sections -fdata-sections)
target_link_options(hovrel_phases PRIVATE -Wl,--gc-sections -s)

add_executable(hovrel_wine_bench
  bench/wine/wine_bench.cpp bench/wine/rebuild_bench.cpp bench/wine/start_bench.cpp bench/wine/program_start.cpp
  bench/wine/dll_bench.cpp bench/wine/memory_bench.cpp bench/wine/row_drawing_bench.cpp bench/wine/child_process.cpp
  bench/wine/window_crowd.cpp)
target_link_libraries(hovrel_wine_bench PRIVATE hovrel_platform psapi)
hovrel_windows_binary(hovrel_wine_bench)
# The driver starts these from beside itself.
add_dependencies(hovrel_wine_bench hovrel hovrel_phases window_crowd bare_window)
