# Writes version.h and app.manifest from their templates in resources/ with the version of
# project(VERSION), so that the number is written once.
#
#   include(cmake/version.cmake)   after project(... VERSION x.y.z): writes into ${QVX_GENERATED_DIR}
#   cmake -DVERSION=x.y.z -DOUT=<dir> -P cmake/version.cmake   the same files into <dir>, for checks
#
# The file version pads minor and revision: 1.1.4 becomes "1.01.0004".

function(qvx_zero_pad out value width)
  string(LENGTH "${value}" length)
  while(length LESS width)
    string(PREPEND value "0")
    math(EXPR length "${length} + 1")
  endwhile()
  set(${out} "${value}" PARENT_SCOPE)
endfunction()

function(qvx_write_version_files version out_dir)
  if(NOT version MATCHES "^([0-9]+)\\.([0-9]+)\\.([0-9]+)$")
    message(FATAL_ERROR "version '${version}' is not major.minor.revision")
  endif()
  set(PROJECT_VERSION "${version}")
  set(PROJECT_VERSION_MAJOR "${CMAKE_MATCH_1}")
  set(PROJECT_VERSION_MINOR "${CMAKE_MATCH_2}")
  set(PROJECT_VERSION_PATCH "${CMAKE_MATCH_3}")
  qvx_zero_pad(minor "${PROJECT_VERSION_MINOR}" 2)
  qvx_zero_pad(revision "${PROJECT_VERSION_PATCH}" 4)
  set(QVX_FILE_VERSION "${PROJECT_VERSION_MAJOR}.${minor}.${revision}")
  set(templates "${CMAKE_CURRENT_FUNCTION_LIST_DIR}/../resources")
  configure_file("${templates}/version.h.in" "${out_dir}/version.h" @ONLY)
  configure_file("${templates}/app.manifest.in" "${out_dir}/app.manifest" @ONLY)
endfunction()

if(CMAKE_SCRIPT_MODE_FILE)
  qvx_write_version_files("${VERSION}" "${OUT}")
else()
  set(QVX_GENERATED_DIR "${PROJECT_BINARY_DIR}/generated")
  qvx_write_version_files("${PROJECT_VERSION}" "${QVX_GENERATED_DIR}")
endif()
