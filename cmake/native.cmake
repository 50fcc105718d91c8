# The native build: unit tests of the portable code on the simulated desktop.
option(HOVREL_SANITIZE "Build with AddressSanitizer and UBSan" OFF)
if(HOVREL_SANITIZE)
  set(HOVREL_SANITIZER_FLAGS -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_compile_options(${HOVREL_SANITIZER_FLAGS})
  add_link_options(${HOVREL_SANITIZER_FLAGS})
  # The target above was made before the options: give it the flags too.
  target_compile_options(hovrel_core PRIVATE ${HOVREL_SANITIZER_FLAGS})
endif()

# The simulated desktop and the other doubles are headers only.
add_library(hovrel_sim INTERFACE)
target_include_directories(hovrel_sim INTERFACE tests)
target_link_libraries(hovrel_sim INTERFACE hovrel_core)

file(GLOB HOVREL_NATIVE_TESTS CONFIGURE_DEPENDS tests/native/*.cpp)
add_executable(hovrel_tests ${HOVREL_NATIVE_TESTS})
target_link_libraries(hovrel_tests PRIVATE hovrel_sim GTest::gtest_main)
target_compile_options(hovrel_tests PRIVATE ${HOVREL_WARNINGS})
include(GoogleTest)
gtest_discover_tests(hovrel_tests DISCOVERY_TIMEOUT 60)
include(cmake/benchmarks.cmake)
