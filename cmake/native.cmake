# Native Linux build: the pure core under AddressSanitizer and UndefinedBehaviorSanitizer,
# with its unit tests registered in CTest.
# float-cast-overflow is not part of "undefined" in GCC: a double outside an integer's range
# cast to it is caught too.
set(QVX_SANITIZE -fsanitize=address,undefined,float-cast-overflow -fno-omit-frame-pointer -fno-sanitize-recover=all)
foreach(t qvx_common_core qvx_main_core qvx_creator_core)
  get_target_property(kind ${t} TYPE)
  if(NOT kind STREQUAL "INTERFACE_LIBRARY")
    target_compile_options(${t} PRIVATE ${QVX_SANITIZE})
  endif()
endforeach()

set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(${GTEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

enable_testing()
file(GLOB UNIT_TESTS CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tests/unit/*.cpp)
add_executable(qvx_unit_tests ${UNIT_TESTS})
target_compile_options(qvx_unit_tests PRIVATE ${QVX_SANITIZE})
target_link_options(qvx_unit_tests PRIVATE ${QVX_SANITIZE})
target_link_libraries(qvx_unit_tests PRIVATE qvx_main_core qvx_creator_core GTest::gtest_main)
include(GoogleTest)
gtest_discover_tests(qvx_unit_tests DISCOVERY_TIMEOUT 60)
