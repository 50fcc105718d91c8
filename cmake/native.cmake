# The native build: unit tests of the portable code on the simulated desktop.
option(HOVREL_SANITIZE "Build with AddressSanitizer and UBSan" OFF)
if(HOVREL_SANITIZE)
  set(HOVREL_SANITIZER_FLAGS -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_compile_options(${HOVREL_SANITIZER_FLAGS})
  add_link_options(${HOVREL_SANITIZER_FLAGS})
  # The target above was made before the options: give it the flags too.
  target_compile_options(hovrel_core PRIVATE ${HOVREL_SANITIZER_FLAGS})
endif()

file(GLOB HOVREL_SIM_SOURCES CONFIGURE_DEPENDS tests/sim/*.cpp)
add_library(hovrel_sim STATIC ${HOVREL_SIM_SOURCES})
target_include_directories(hovrel_sim PUBLIC tests)
target_link_libraries(hovrel_sim PUBLIC hovrel_core)
target_compile_options(hovrel_sim PRIVATE ${HOVREL_WARNINGS})

file(GLOB HOVREL_NATIVE_TESTS CONFIGURE_DEPENDS tests/native/*.cpp)
add_executable(hovrel_tests ${HOVREL_NATIVE_TESTS})
target_link_libraries(hovrel_tests PRIVATE hovrel_sim GTest::gtest_main)
target_compile_options(hovrel_tests PRIVATE ${HOVREL_WARNINGS})
include(GoogleTest)
gtest_discover_tests(hovrel_tests DISCOVERY_TIMEOUT 60)
include(cmake/benchmarks.cmake)
