# Native build: the core as a library, the command-line tools, and the unit tests
# (the tests and the core they exercise are built with AddressSanitizer and UBSan).
# A private build directory may put its tools elsewhere (-DTESS_TOOLS_DIR=...).
set(TESS_TOOLS_DIR ${CMAKE_SOURCE_DIR}/build/bin CACHE PATH "Where the command-line tools go")
set(CMAKE_RUNTIME_OUTPUT_DIRECTORY ${TESS_TOOLS_DIR})
find_package(Threads REQUIRED)

option(TESS_SANITIZE "Build the core and tests with ASan and UBSan" ON)
set(SANITIZE_FLAGS -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)

function(tess_core_library name)
  add_library(${name} STATIC ${CORE_SOURCES} ${ARGN})
  target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC Threads::Threads)
  target_precompile_headers(${name} PRIVATE ${TESS_STD_PCH})
endfunction()

# The tools link the core built for speed; the tests link a sanitized copy.
tess_core_library(tesscore ${HEADLESS_SOURCES})

# The tokeniser (source to program text, and back), used by tessc, tessrun and the tests.
file(GLOB TOKENIZER_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tools/tokenizer/*.cpp)
list(FILTER TOKENIZER_SOURCES EXCLUDE REGEX "_win32\\.cpp$")
add_library(tesstok STATIC ${TOKENIZER_SOURCES})
target_include_directories(tesstok PUBLIC ${CMAKE_SOURCE_DIR})

file(GLOB TESSC_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tools/tessc/*.cpp)
list(FILTER TESSC_SOURCES EXCLUDE REGEX "_win32\\.cpp$")
if(TESSC_SOURCES)
  add_executable(tessc ${TESSC_SOURCES})
  target_link_libraries(tessc PRIVATE tesstok tesscore)
  file(STRINGS ${CMAKE_SOURCE_DIR}/VERSION TESS_VERSION LIMIT_COUNT 1)
  target_compile_definitions(tessc PRIVATE TESS_VERSION="${TESS_VERSION}")
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/VERSION)
endif()

add_executable(tessrun ${CMAKE_SOURCE_DIR}/tools/tessrun/main.cpp)
target_link_libraries(tessrun PRIVATE tesstok tesscore)
# Linked in, the C++ runtime needs no symbol lookups at start-up.
target_link_options(tessrun PRIVATE -static-libstdc++ -static-libgcc)

enable_testing()
find_package(GTest REQUIRED)
tess_core_library(tesscore_checked ${HEADLESS_SOURCES})
# The checked copy exists to find faults, not to run fast: -O1 (the level the
# sanitizers are made for) and line tables only halve its compile time.
target_compile_options(tesscore_checked PRIVATE -O1 -g1)
if(TESS_SANITIZE)
  target_compile_options(tesscore_checked PUBLIC ${SANITIZE_FLAGS})
  target_link_options(tesscore_checked PUBLIC ${SANITIZE_FLAGS})
endif()
file(GLOB UNIT_TESTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/unit/*.cpp)
add_executable(unit_tests ${UNIT_TESTS})
set_target_properties(unit_tests PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
target_link_libraries(unit_tests PRIVATE tesstok tesscore_checked GTest::gtest_main)
target_precompile_headers(unit_tests PRIVATE <gtest/gtest.h> ${TESS_STD_PCH})
# The test cases themselves need no optimisation; line tables keep the
# sanitizers' stack traces readable.
target_compile_options(unit_tests PRIVATE -O0 -g1)
# Tests that read the repository's own files (the language reference, the example
# and program-test sources).
target_compile_definitions(unit_tests PRIVATE TESS_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
include(GoogleTest)
gtest_discover_tests(unit_tests DISCOVERY_TIMEOUT 60)

# Hand-made images for tests.
add_executable(mkimage ${CMAKE_SOURCE_DIR}/tests/tools/mkimage.cpp)
target_link_libraries(mkimage PRIVATE tesscore)
# The runtime's code page 932 conversion, written out to be compared with the system's.
add_executable(cp932dump ${CMAKE_SOURCE_DIR}/tests/tools/cp932dump.cpp)
target_link_libraries(cp932dump PRIVATE tesscore)
