# The benchmarks: separate programs that print figures, never tests. Built
# only in an optimised native build without sanitizers (scripts/bench.sh
# makes one in build/bench), since other figures would mislead.
if(HOVREL_SANITIZE OR NOT CMAKE_BUILD_TYPE STREQUAL "Release")
  return()
endif()
find_package(benchmark QUIET)
if(NOT benchmark_FOUND)
  message(STATUS "Google Benchmark not found: the benchmarks are not built")
  return()
endif()

file(GLOB HOVREL_BENCH_SOURCES CONFIGURE_DEPENDS bench/*.cpp)
add_executable(hovrel_bench ${HOVREL_BENCH_SOURCES})
target_link_libraries(hovrel_bench PRIVATE hovrel_sim benchmark::benchmark)
target_compile_options(hovrel_bench PRIVATE ${HOVREL_WARNINGS})
