# The portable package: one zip holding Quorv114.exe, QVXMulti.exe and ReadMe.txt, to be
# unpacked into the master (installation) directory.
#
#   cmake --build <windows build dir> --target package_zip    ->  <build dir>/Quorvex-<version>.zip
#
# ReadMe.txt is taken from the root of the source tree.
set(QVX_PACKAGE_VERSION ${PROJECT_VERSION})
set(QVX_PACKAGE_README ${PROJECT_SOURCE_DIR}/ReadMe.txt)
set(QVX_PACKAGE_STAGE ${CMAKE_BINARY_DIR}/package)
set(QVX_PACKAGE_ZIP ${CMAKE_BINARY_DIR}/Quorvex-${QVX_PACKAGE_VERSION}.zip)

# The zip is written under a temporary name and renamed, so a failed build never leaves a
# half-written package behind.
add_custom_command(
  OUTPUT ${QVX_PACKAGE_ZIP}
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${QVX_PACKAGE_STAGE}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${QVX_PACKAGE_STAGE}
  COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:Quorv114> $<TARGET_FILE:QVXMulti> ${QVX_PACKAGE_README}
          ${QVX_PACKAGE_STAGE}
  COMMAND ${CMAKE_COMMAND} -E chdir ${QVX_PACKAGE_STAGE}
          ${CMAKE_COMMAND} -E tar cf ${QVX_PACKAGE_ZIP}.tmp --format=zip Quorv114.exe QVXMulti.exe ReadMe.txt
  COMMAND ${CMAKE_COMMAND} -E rename ${QVX_PACKAGE_ZIP}.tmp ${QVX_PACKAGE_ZIP}
  DEPENDS Quorv114 QVXMulti ${QVX_PACKAGE_README}
  COMMENT "Packing Quorvex-${QVX_PACKAGE_VERSION}.zip"
  VERBATIM)
add_custom_target(package_zip DEPENDS ${QVX_PACKAGE_ZIP})

# The package holds exactly the three files, the programs as built.
if(EXISTS ${QVX_PACKAGE_README})
  add_test(NAME package_zip_contents
           COMMAND ${CMAKE_COMMAND} -DBUILD_DIR=${CMAKE_BINARY_DIR} -DZIP=${QVX_PACKAGE_ZIP}
                   -DMAIN_EXE=$<TARGET_FILE:Quorv114> -DCREATOR_EXE=$<TARGET_FILE:QVXMulti>
                   -DREADME=${QVX_PACKAGE_README} -P ${PROJECT_SOURCE_DIR}/cmake/check_package.cmake)
else()
  message(WARNING "ReadMe.txt is missing from the source root: package_zip cannot be built until it exists")
endif()
