# Icons, logo bitmap, manifest and version block for the Windows programs.
#
# The Windows part of the top-level build uses it like this (after
# enable_language(RC) or project(... LANGUAGES C CXX RC)):
#
#   include(${PROJECT_SOURCE_DIR}/resources/resources.cmake)
#   qvx_add_resources(Quorv114 ${PROJECT_SOURCE_DIR}/resources/quorv114.rc)
#   qvx_add_resources(QVXMulti ${PROJECT_SOURCE_DIR}/resources/qvxmulti.rc)
#
# quorv114.rc and qvxmulti.rc #include the images_*, version_* and dialog .rc
# files; passing those to qvx_add_resources one by one works as well.
#
# windres finds "QVX5.ico", "version.h" and "app.manifest" through its -I folders; the
# last two are written into the build tree by cmake/version.cmake.
# qvx_add_resources passes them with target_include_directories restricted to
# RC sources: CMake's windres rule puts a target's include folders into the
# windres command line as -I (checked with both Ninja and Unix Makefiles).
# The resources folder is added for C++ too, so code can #include "version.h".
# Appending "-I<dir>" to CMAKE_RC_FLAGS works as well, but for every target.

find_package(Python3 COMPONENTS Interpreter REQUIRED)

set(QVX_RESOURCES_DIR "${CMAKE_CURRENT_LIST_DIR}")
set(QVX_IMAGES_DIR "${CMAKE_BINARY_DIR}/generated/images")
set(QVX_RESOURCE_INCLUDE_DIRS "${QVX_RESOURCES_DIR}" "${QVX_IMAGES_DIR}" "${QVX_GENERATED_DIR}")

# Every file make_images.py writes; test_make_images.py checks the two agree.
set(QVX_IMAGE_NAMES
    QVX1.ico QVX2.ico QVX3.ico QVX4.ico QVX5.ico QVX6.ico QVX7.ico QVX8.ico
    QVX9.ico QVX10.ico QVX11.ico QVX12.ico QVX13.ico QVX14.ico QVX15.ico
    QVX16.ico QVX17.ico
    QVXSPLASH.ico APPICON.ico FORMICON.ico
    QUORVEXPIC.bmp)
list(TRANSFORM QVX_IMAGE_NAMES PREPEND "${QVX_IMAGES_DIR}/" OUTPUT_VARIABLE QVX_IMAGE_FILES)

add_custom_command(
    OUTPUT ${QVX_IMAGE_FILES}
    COMMAND "${Python3_EXECUTABLE}" "${QVX_RESOURCES_DIR}/make_images.py" "${QVX_IMAGES_DIR}"
    DEPENDS "${QVX_RESOURCES_DIR}/make_images.py"
    COMMENT "Drawing Quorvex icons and logo"
    VERBATIM)
add_custom_target(qvx_images DEPENDS ${QVX_IMAGE_FILES})

# Adds .rc files to a target, with the -I folders windres needs. windres tells
# CMake nothing about the files it reads, so every file in this folder that an
# .rc can pull in, and every generated image, is made a dependency by hand.
file(GLOB QVX_RC_INPUTS CONFIGURE_DEPENDS "${QVX_RESOURCES_DIR}/*.rc" "${QVX_RESOURCES_DIR}/*.h")
list(APPEND QVX_RC_INPUTS "${QVX_GENERATED_DIR}/version.h" "${QVX_GENERATED_DIR}/app.manifest")

function(qvx_add_resources target)
    if(NOT ARGN)
        message(FATAL_ERROR "qvx_add_resources(${target}): no .rc files given")
    endif()
    set(rc_files)
    foreach(rc IN LISTS ARGN)
        get_filename_component(rc_abs "${rc}" ABSOLUTE BASE_DIR "${CMAKE_CURRENT_SOURCE_DIR}")
        if(NOT EXISTS "${rc_abs}")
            message(FATAL_ERROR "qvx_add_resources(${target}): ${rc_abs} does not exist")
        endif()
        list(APPEND rc_files "${rc_abs}")
    endforeach()
    target_sources(${target} PRIVATE ${rc_files})
    set_source_files_properties(${rc_files} TARGET_DIRECTORY ${target} PROPERTIES
        OBJECT_DEPENDS "${QVX_IMAGE_FILES};${QVX_RC_INPUTS}")
    target_include_directories(${target} PRIVATE
        "${QVX_RESOURCES_DIR}"
        "$<$<COMPILE_LANGUAGE:RC>:${QVX_IMAGES_DIR};${QVX_GENERATED_DIR}>")
    add_dependencies(${target} qvx_images)
endfunction()
