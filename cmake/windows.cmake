# Windows build: runtime.exe (GUI subsystem, static, no DLL beyond the system's),
# filedlg.exe, and the UI test driver.
# One shared place for the scripts; engineers building side by side pick their own.
set(TESS_WIN_OUTPUT_DIR ${CMAKE_SOURCE_DIR}/build/win CACHE PATH "Where the Windows programs go")
set(CMAKE_RUNTIME_OUTPUT_DIRECTORY ${TESS_WIN_OUTPUT_DIR})
add_link_options(-static -static-libgcc -static-libstdc++)
add_compile_definitions(WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)

add_library(tesscore_win STATIC ${CORE_SOURCES})
target_include_directories(tesscore_win PUBLIC ${CMAKE_SOURCE_DIR})
target_precompile_headers(tesscore_win PRIVATE ${TESS_STD_PCH})
# Not a unity build: tessc.exe links this library without the Win32 handlers,
# and gets by only because the linker takes just the sources it needs (a batch
# holding the statement table would pull in every handler).

# One VERSION file gives every program its version resource and tessc --version.
enable_language(RC)
file(STRINGS ${CMAKE_SOURCE_DIR}/VERSION TESS_VERSION LIMIT_COUNT 1)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/VERSION)
string(REPLACE "." "," TESS_VERSION_COMMAS "${TESS_VERSION},0")
function(tess_version_resource target description)
  set(TESS_RC_NAME ${target})
  set(TESS_RC_DESCRIPTION "${description}")
  configure_file(${CMAKE_SOURCE_DIR}/cmake/version.rc.in ${CMAKE_CURRENT_BINARY_DIR}/${target}_version.rc @ONLY)
  target_sources(${target} PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/${target}_version.rc)
endfunction()

add_executable(runtime WIN32 ${WIN32_SOURCES})
target_precompile_headers(runtime PRIVATE <windows.h> ${TESS_STD_PCH})
set_target_properties(runtime PROPERTIES UNITY_BUILD ON UNITY_BUILD_BATCH_SIZE ${TESS_UNITY_BATCH})
# The source that replaces the global allocation functions compiles alone: seen
# inlined beside other code, GCC takes its malloc/free pair for a mismatch.
set_source_files_properties(${CMAKE_SOURCE_DIR}/startup/winmain_win32.cpp PROPERTIES SKIP_UNITY_BUILD_INCLUSION ON)
target_link_libraries(runtime PRIVATE tesscore_win imm32 winmm comdlg32 winspool shell32 advapi32 gdi32 user32)
tess_version_resource(runtime "Tessaly runtime")

# tessc for Windows: the same tokeniser and packer, a console program.
file(GLOB TOKENIZER_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tools/tokenizer/*.cpp)
list(FILTER TOKENIZER_SOURCES EXCLUDE REGEX "_posix\\.cpp$")
file(GLOB TESSC_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tools/tessc/*.cpp)
list(FILTER TESSC_SOURCES EXCLUDE REGEX "_posix\\.cpp$")
add_executable(tessc ${TESSC_SOURCES} ${TOKENIZER_SOURCES})
target_link_libraries(tessc PRIVATE tesscore_win)
target_compile_definitions(tessc PRIVATE TESS_VERSION="${TESS_VERSION}")
tess_version_resource(tessc "Tessaly tokeniser and packer")

file(GLOB FILEDLG_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/filedlg/*.cpp)
if(FILEDLG_SOURCES)
  # Of the runtime's sources only the code page 932 conversion is compiled in.
  add_executable(filedlg WIN32 ${FILEDLG_SOURCES} ${CMAKE_SOURCE_DIR}/system/cp932.cpp ${CMAKE_SOURCE_DIR}/system/cp932_table.cpp)
  target_include_directories(filedlg PRIVATE ${CMAKE_SOURCE_DIR})
  target_link_libraries(filedlg PRIVATE comdlg32 user32)
  tess_version_resource(filedlg "Tessaly file dialog helper")
endif()

file(GLOB DRIVER_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/gui/driver/*.cpp)
if(DRIVER_SOURCES)
  add_executable(uidriver ${DRIVER_SOURCES})
  target_link_libraries(uidriver PRIVATE shell32 gdi32 user32)
endif()

# The test-only MIDI device (tests/gui/midilog): a winmm.dll that logs MIDI
# short messages and forwards the rest of winmm to a renamed copy of the
# system's own. It goes into a folder of its own, never beside runtime.exe;
# tests copy it next to a program of theirs.
find_program(TESS_GENDEF gendef)
set(TESS_SYSTEM_WINMM /usr/lib/x86_64-linux-gnu/wine/x86_64-windows/winmm.dll CACHE FILEPATH
    "The winmm.dll whose exports the test MIDI device forwards")
if(TESS_GENDEF AND EXISTS ${TESS_SYSTEM_WINMM})
  set(MIDILOG_DIR ${CMAKE_SOURCE_DIR}/tests/gui/midilog)
  set(MIDILOG_DEF ${CMAKE_CURRENT_BINARY_DIR}/midilog_winmm.def)
  add_custom_command(OUTPUT ${MIDILOG_DEF}
    COMMAND sh ${MIDILOG_DIR}/forward_def.sh ${TESS_SYSTEM_WINMM} winmm_wine ${MIDILOG_DIR}/implemented.txt ${MIDILOG_DEF}
    DEPENDS ${MIDILOG_DIR}/forward_def.sh ${MIDILOG_DIR}/implemented.txt ${TESS_SYSTEM_WINMM})
  add_library(midilog SHARED ${MIDILOG_DIR}/midilog.cpp ${MIDILOG_DEF})
  set_target_properties(midilog PROPERTIES OUTPUT_NAME winmm PREFIX "" RUNTIME_OUTPUT_DIRECTORY ${TESS_WIN_OUTPUT_DIR}/midilog)
endif()
