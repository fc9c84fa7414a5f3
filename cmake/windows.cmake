# Windows build: runtime.exe (GUI subsystem, static, no DLL beyond the system's),
# filedlg.exe, and the UI test driver.
# One shared place for the scripts; engineers building side by side pick their own.
set(TESS_WIN_OUTPUT_DIR ${CMAKE_SOURCE_DIR}/build/win CACHE PATH "Where the Windows programs go")
set(CMAKE_RUNTIME_OUTPUT_DIRECTORY ${TESS_WIN_OUTPUT_DIR})
add_link_options(-static -static-libgcc -static-libstdc++)
add_compile_definitions(WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)

add_library(tesscore_win STATIC ${CORE_SOURCES})
target_include_directories(tesscore_win PUBLIC ${CMAKE_SOURCE_DIR})

add_executable(runtime WIN32 ${WIN32_SOURCES})
target_link_libraries(runtime PRIVATE tesscore_win imm32 winmm comdlg32 winspool shell32 advapi32 gdi32 user32)

file(GLOB FILEDLG_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/filedlg/*.cpp)
if(FILEDLG_SOURCES)
  add_executable(filedlg WIN32 ${FILEDLG_SOURCES})
  target_link_libraries(filedlg PRIVATE comdlg32 user32)
endif()

file(GLOB DRIVER_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/gui/driver/*.cpp)
if(DRIVER_SOURCES)
  add_executable(uidriver ${DRIVER_SOURCES})
  target_link_libraries(uidriver PRIVATE gdi32 user32)
endif()
