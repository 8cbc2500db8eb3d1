# Windows build (MinGW-w64 cross-build or a native Windows toolchain): the two programs,
# the Win32 test programs and the fixtures the end-to-end scenarios drive.
add_compile_definitions(UNICODE _UNICODE NOMINMAX WIN32_LEAN_AND_MEAN _WIN32_WINNT=0x0A00 WINVER=0x0A00)
set(CMAKE_RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
if(MINGW)
  # One self-contained file per program: no runtime DLL beside Windows' own.
  add_link_options(-static -static-libgcc -static-libstdc++)
endif()

enable_language(RC)
include(${CMAKE_SOURCE_DIR}/resources/resources.cmake)

set(QVX_WIN_LIBS version psapi user32 gdi32 shell32 comctl32 comdlg32 ole32 oleaut32 uuid advapi32 shlwapi oleacc)

add_library(qvx_common_win32 STATIC ${COMMON_WIN32})
target_link_libraries(qvx_common_win32 PUBLIC qvx_common_core ${QVX_WIN_LIBS})

function(qvx_gui_program target)
  if(MINGW)
    target_link_options(${target} PRIVATE -municode -mwindows)
  else()
    set_target_properties(${target} PROPERTIES WIN32_EXECUTABLE ON)
  endif()
endfunction()

# The main program's Win32 side, as a library, so that the Win32 tests can drive its parts.
list(FILTER MAIN_WIN32 EXCLUDE REGEX "/main/startup/winmain_win32\\.cpp$")
add_library(qvx_main_win32 STATIC ${MAIN_WIN32})
target_link_libraries(qvx_main_win32 PUBLIC qvx_main_core qvx_common_win32)

add_executable(Quorv114 ${CMAKE_SOURCE_DIR}/main/startup/winmain_win32.cpp)
target_link_libraries(Quorv114 PRIVATE qvx_main_win32)
qvx_gui_program(Quorv114)
qvx_add_resources(Quorv114 ${CMAKE_SOURCE_DIR}/resources/quorv114.rc)

if(CREATOR_WIN32)
  add_executable(QVXMulti ${CREATOR_WIN32})
  target_link_libraries(QVXMulti PRIVATE qvx_creator_core qvx_common_win32)
  qvx_gui_program(QVXMulti)
  qvx_add_resources(QVXMulti ${CMAKE_SOURCE_DIR}/resources/qvxmulti.rc)
endif()

# GoogleTest built for Windows from the same sources.
set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
add_subdirectory(${GTEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

enable_testing()
if(CMAKE_CROSSCOMPILING)
  set(QVX_TEST_RUNNER wine)
endif()

# Fixtures: each tests/fixtures/<name>_win32.cpp is a small program of its own.
file(GLOB FIXTURES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/fixtures/*_win32.cpp)
set(QVX_FIXTURE_TARGETS)
foreach(f IN LISTS FIXTURES)
  get_filename_component(name ${f} NAME_WE)
  string(REGEX REPLACE "_win32$" "" name ${name})
  add_executable(${name} ${f})
  target_link_libraries(${name} PRIVATE qvx_common_win32)
  qvx_gui_program(${name})
  list(APPEND QVX_FIXTURE_TARGETS ${name})
endforeach()

# The end-to-end driver: what every scenario uses to start and watch the real programs.
file(GLOB E2E_DRIVER CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/e2e/driver/*.cpp)
if(NOT E2E_DRIVER)
  return()
endif()
add_library(qvx_e2e_driver STATIC ${E2E_DRIVER})
# The fake browser helpers read addresses the way the program does.
target_link_libraries(qvx_e2e_driver PUBLIC qvx_main_win32 GTest::gtest)
target_include_directories(qvx_e2e_driver PUBLIC ${CMAKE_SOURCE_DIR}/tests/e2e)

# Win32 tests of the program's own parts, in one program.
file(GLOB WIN32_TESTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/win32/*.cpp)
if(WIN32_TESTS)
  add_executable(qvx_win32_tests ${WIN32_TESTS})
  target_link_libraries(qvx_win32_tests PRIVATE qvx_main_win32 qvx_e2e_driver GTest::gtest_main)
  add_test(NAME win32_tests COMMAND ${QVX_TEST_RUNNER} $<TARGET_FILE:qvx_win32_tests>)
  if(QVX_FIXTURE_TARGETS)
    add_dependencies(qvx_win32_tests ${QVX_FIXTURE_TARGETS})
  endif()
endif()

# End-to-end scenarios: one program per tests/e2e/<area>_test.cpp.
file(GLOB E2E_TESTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/e2e/*_test.cpp)
foreach(f IN LISTS E2E_TESTS)
  get_filename_component(name ${f} NAME_WE)
  add_executable(e2e_${name} ${f})
  target_link_libraries(e2e_${name} PRIVATE qvx_e2e_driver GTest::gtest_main)
  add_dependencies(e2e_${name} Quorv114 ${QVX_FIXTURE_TARGETS})
  if(TARGET QVXMulti)
    add_dependencies(e2e_${name} QVXMulti)
  endif()
  add_test(NAME e2e_${name} COMMAND ${QVX_TEST_RUNNER} $<TARGET_FILE:e2e_${name}>)
  set_tests_properties(e2e_${name} PROPERTIES TIMEOUT 900)
endforeach()
