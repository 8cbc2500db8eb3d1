# Windows build (MinGW-w64 cross-build or a native Windows toolchain): the two programs,
# the Win32 test programs and the fixtures the end-to-end scenarios drive.
set(CMAKE_RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
target_compile_definitions(qvx_settings INTERFACE
  UNICODE _UNICODE NOMINMAX WIN32_LEAN_AND_MEAN _WIN32_WINNT=0x0A00 WINVER=0x0A00)
if(MINGW)
  # One self-contained file per program: no runtime DLL beside Windows' own.
  target_link_options(qvx_settings INTERFACE -static -static-libgcc -static-libstdc++)
endif()

# A release build of the programs is small by construction: optimised for size, every function
# and datum in a section of its own so that the linker drops what nothing reaches, link-time
# optimisation across the program's own code, no symbols. The objects stay "fat" so that the
# test programs, which link the same libraries, link them without LTO. A debug build keeps
# its symbols.
add_library(qvx_small_release INTERFACE)
if(MINGW)
  set(release "$<CONFIG:Release,MinSizeRel>")
  target_compile_options(qvx_small_release INTERFACE
    "$<${release}:-Os;-ffunction-sections;-fdata-sections;-flto;-ffat-lto-objects>")
  target_link_options(qvx_small_release INTERFACE "$<${release}:-Os;-flto;-Wl,--gc-sections;-s>")
  # MinGW's GCC 12 stops with an internal error in LTO's symbol table (binds_to_current_def_p,
  # on a vector's push_back or a sort) when units of the window switching or the Site Windows
  # window take part, one or another as they change; those folders are compiled normally.
  file(GLOB no_lto_sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/main/switching/*.cpp
                                             ${PROJECT_SOURCE_DIR}/main/site_windows/*.cpp)
  set_source_files_properties(${no_lto_sources} PROPERTIES COMPILE_OPTIONS -fno-lto)
endif()

enable_language(RC)
include(${PROJECT_SOURCE_DIR}/resources/resources.cmake)

set(QVX_WIN_LIBS user32 gdi32 shell32 uuid advapi32 shlwapi)

# COM serves the main program's launches, address reads and shortcuts only, never its start-up:
# a program with QVX_DELAY_LOAD_COM set loads ole32 and oleaut32 on its first call into them
# (delay-loaded), which keeps them out of a waiting tray program's start and memory. The
# functions are listed for MinGW's dlltool; a function missing here binds to the import
# library instead, and the release check of the imports then fails.
set(QVX_DELAY_LOADED
    "ole32=CoCreateInstance CoInitializeEx CoTaskMemFree CoUninitialize"
    "oleaut32=SysFreeString SysStringLen VariantClear VariantInit")
set(com_libraries ole32 oleaut32)
set(delay_loaded_com)
set(delay_libraries)
foreach(entry IN LISTS QVX_DELAY_LOADED)
  string(REGEX MATCH "^([a-z0-9]+)=(.*)$" _ "${entry}")
  set(dll ${CMAKE_MATCH_1})
  if(MINGW)
    string(REPLACE " " "\n" exports "${CMAKE_MATCH_2}")
    file(CONFIGURE OUTPUT ${CMAKE_BINARY_DIR}/delay/${dll}.def CONTENT "LIBRARY ${dll}.dll\nEXPORTS\n${exports}\n")
    set(library ${CMAKE_BINARY_DIR}/delay/lib${dll}_delay.a)
    add_custom_command(OUTPUT ${library}
                       COMMAND ${CMAKE_DLLTOOL} --input-def ${CMAKE_BINARY_DIR}/delay/${dll}.def --output-delaylib ${library}
                       DEPENDS ${CMAKE_BINARY_DIR}/delay/${dll}.def VERBATIM)
    list(APPEND delay_loaded_com ${library})
    list(APPEND delay_libraries ${library})
  else()
    list(APPEND delay_loaded_com "-DELAYLOAD:${dll}.dll")
  endif()
endforeach()
add_custom_target(qvx_delay_libraries DEPENDS ${delay_libraries})
list(APPEND delay_loaded_com delayimp)
set(delay_com "$<BOOL:$<TARGET_PROPERTY:QVX_DELAY_LOAD_COM>>")
list(TRANSFORM delay_loaded_com PREPEND "$<${delay_com}:")
list(TRANSFORM delay_loaded_com APPEND ">")
list(TRANSFORM com_libraries PREPEND "$<$<NOT:${delay_com}>:")
list(TRANSFORM com_libraries APPEND ">")
list(APPEND QVX_WIN_LIBS ${delay_loaded_com} ${com_libraries})

# Linked as an object of each program, not from a library, so that it is there before the
# runtime's default handler would be pulled in.
set(QVX_TERMINATE_HANDLER ${PROJECT_SOURCE_DIR}/common/terminate_handler_win32.cpp)
list(REMOVE_ITEM COMMON_WIN32 ${QVX_TERMINATE_HANDLER})
add_library(qvx_common_win32 STATIC ${COMMON_WIN32})
target_link_libraries(qvx_common_win32 PUBLIC qvx_common_core ${QVX_WIN_LIBS})

# The product's own libraries and programs are built small in a release build.
foreach(t qvx_common_core qvx_main_core qvx_creator_core qvx_common_win32)
  get_target_property(kind ${t} TYPE)
  if(NOT kind STREQUAL "INTERFACE_LIBRARY")
    target_link_libraries(${t} PRIVATE qvx_small_release)
  endif()
endforeach()

function(qvx_gui_program target)
  if(MINGW)
    target_link_options(${target} PRIVATE -municode -mwindows)
  else()
    set_target_properties(${target} PROPERTIES WIN32_EXECUTABLE ON)
  endif()
endfunction()

# The main program's Win32 side, as a library, so that the Win32 tests can drive its parts.
list(FILTER MAIN_WIN32 EXCLUDE REGEX "/main/app/winmain_win32\\.cpp$")
add_library(qvx_main_win32 STATIC ${MAIN_WIN32})
target_link_libraries(qvx_main_win32 PUBLIC qvx_main_core qvx_common_win32 PRIVATE qvx_small_release)

add_executable(Quorv114 ${PROJECT_SOURCE_DIR}/main/app/winmain_win32.cpp ${QVX_TERMINATE_HANDLER})
target_link_libraries(Quorv114 PRIVATE qvx_main_win32 qvx_small_release)
qvx_gui_program(Quorv114)
set_target_properties(Quorv114 PROPERTIES QVX_DELAY_LOAD_COM ON)
add_dependencies(Quorv114 qvx_delay_libraries)
qvx_add_resources(Quorv114 ${PROJECT_SOURCE_DIR}/resources/quorv114.rc)

if(CREATOR_WIN32)
  add_executable(QVXMulti ${CREATOR_WIN32} ${QVX_TERMINATE_HANDLER})
  target_link_libraries(QVXMulti PRIVATE qvx_creator_core qvx_common_win32 qvx_small_release)
  qvx_gui_program(QVXMulti)
  qvx_add_resources(QVXMulti ${PROJECT_SOURCE_DIR}/resources/qvxmulti.rc)
endif()

enable_testing()

# The release programs stay small and import the DLLs listed, Windows' own only (sizes and
# imports are deterministic; speed and memory are measured by bench/, never by a test).
if(CMAKE_BUILD_TYPE MATCHES "^(Release|MinSizeRel)$" AND CMAKE_OBJDUMP AND TARGET QVXMulti)
  add_test(NAME release_programs_size_and_imports
           COMMAND ${CMAKE_COMMAND} -DOBJDUMP=${CMAKE_OBJDUMP}
                   "-DPROGRAMS=$<TARGET_FILE:Quorv114>=458752=advapi32,gdi32,kernel32,msvcrt,shell32,user32;$<TARGET_FILE:QVXMulti>=262144=gdi32,kernel32,msvcrt,ole32,shell32,user32"
                   -P ${PROJECT_SOURCE_DIR}/cmake/check_programs.cmake)
endif()

# GoogleTest built for Windows from the same sources.
set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
add_subdirectory(${GTEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

if(CMAKE_CROSSCOMPILING)
  set(QVX_TEST_RUNNER wine)
endif()

# Fixtures: each tests/fixtures/<name>_win32.cpp is a small program of its own.
file(GLOB FIXTURES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tests/fixtures/*_win32.cpp)
set(QVX_FIXTURE_TARGETS)
foreach(f IN LISTS FIXTURES)
  get_filename_component(name ${f} NAME_WE)
  string(REGEX REPLACE "_win32$" "" name ${name})
  add_executable(${name} ${f})
  target_link_libraries(${name} PRIVATE qvx_common_win32 oleacc)  # the fake browsers serve accessibility trees
  qvx_gui_program(${name})
  list(APPEND QVX_FIXTURE_TARGETS ${name})
endforeach()

# The end-to-end driver: what every scenario uses to start and watch the real programs.
file(GLOB E2E_DRIVER CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tests/e2e/driver/*.cpp)
if(NOT E2E_DRIVER)
  return()
endif()
add_library(qvx_e2e_driver STATIC ${E2E_DRIVER})
# The fake browser helpers read addresses the way the program does.
target_link_libraries(qvx_e2e_driver PUBLIC qvx_main_win32 psapi GTest::gtest)
target_include_directories(qvx_e2e_driver PUBLIC ${PROJECT_SOURCE_DIR}/tests/e2e)

# Win32 tests of the program's own parts, in one program.
file(GLOB WIN32_TESTS CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tests/win32/*.cpp)
if(WIN32_TESTS)
  add_executable(qvx_win32_tests ${WIN32_TESTS})
  target_link_libraries(qvx_win32_tests PRIVATE qvx_main_win32 qvx_e2e_driver GTest::gtest_main)
  add_test(NAME win32_tests COMMAND ${QVX_TEST_RUNNER} $<TARGET_FILE:qvx_win32_tests>)
  if(QVX_FIXTURE_TARGETS)
    add_dependencies(qvx_win32_tests ${QVX_FIXTURE_TARGETS})
  endif()
endif()

# End-to-end scenarios: one program per tests/e2e/<area>_test.cpp.
file(GLOB E2E_TESTS CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tests/e2e/*_test.cpp)
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


# The benchmark and its reference programs (bench/, run by scripts/bench.sh, never by CTest).
file(GLOB BENCH_PROGRAMS CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/bench/*_win32.cpp)
foreach(f IN LISTS BENCH_PROGRAMS)
  get_filename_component(name ${f} NAME_WE)
  string(REGEX REPLACE "_win32$" "" name ${name})
  add_executable(${name} EXCLUDE_FROM_ALL ${f})
  target_link_libraries(${name} PRIVATE qvx_settings shell32 user32)
  if(name STREQUAL "bench")
    target_link_libraries(bench PRIVATE qvx_e2e_driver)
    if(MINGW)
      target_link_options(bench PRIVATE -municode)
    endif()
  else()
    qvx_gui_program(${name})
  endif()
endforeach()
qvx_add_resources(reference_tray ${PROJECT_SOURCE_DIR}/bench/reference_tray.rc)
target_link_libraries(reference_tree PRIVATE uuid oleacc ole32 oleaut32)
qvx_add_resources(reference_tree ${PROJECT_SOURCE_DIR}/bench/reference_tray.rc)
add_custom_target(benchmark DEPENDS bench reference_tray reference_tree many_windows Quorv114 ${QVX_FIXTURE_TARGETS})

# The README's pictures (run by scripts/screenshots.sh, not a test).
add_executable(readme_screenshots EXCLUDE_FROM_ALL ${PROJECT_SOURCE_DIR}/tests/screenshots/readme_screenshots_win32.cpp)
target_link_libraries(readme_screenshots PRIVATE qvx_e2e_driver)
if(MINGW)
  target_link_options(readme_screenshots PRIVATE -municode)
endif()
add_dependencies(readme_screenshots Quorv114 QVXMulti ${QVX_FIXTURE_TARGETS})
