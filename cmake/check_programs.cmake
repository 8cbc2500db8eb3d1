# Checks a release build of the programs: each file at or under its size limit, and every DLL
# it imports one of Windows' known DLLs (loaded from the system folder only, so a file planted
# beside the program cannot replace it). comctl32 is not among them: the programs load it when a
# window first needs it (common/common_controls_win32.cpp), as importing it costs a waiting
# program its private memory.
#
#   cmake -DOBJDUMP=<objdump> -DPROGRAMS="<exe>=<max bytes>;..." -P cmake/check_programs.cmake
cmake_policy(SET CMP0057 NEW)  # if(IN_LIST) in script mode
set(windows_dlls advapi32 comdlg32 gdi32 kernel32 msvcrt ole32 oleaut32 psapi rpcrt4 shell32
                 shlwapi user32)
set(failures)
foreach(entry IN LISTS PROGRAMS)
  string(REPLACE "=" ";" entry "${entry}")
  list(GET entry 0 exe)
  list(GET entry 1 limit)
  get_filename_component(name "${exe}" NAME)
  file(SIZE "${exe}" size)
  execute_process(COMMAND "${OBJDUMP}" -p "${exe}" OUTPUT_VARIABLE headers RESULT_VARIABLE dumped)
  if(NOT dumped EQUAL 0)
    message(FATAL_ERROR "${OBJDUMP} -p ${exe} failed")
  endif()
  string(REGEX MATCHALL "DLL Name: [^\n]+" imports "${headers}")
  list(TRANSFORM imports REPLACE "DLL Name: " "")
  message(STATUS "${name}: ${size} bytes (limit ${limit}), imports ${imports}")
  if(size GREATER limit)
    list(APPEND failures "${name} is ${size} bytes, over its limit of ${limit}")
  endif()
  if(NOT imports)
    list(APPEND failures "${name}: no imported DLLs found in the output of objdump -p")
  endif()
  foreach(dll IN LISTS imports)
    string(TOLOWER "${dll}" lower)
    string(REGEX REPLACE "\\.dll$" "" lower "${lower}")
    if(NOT lower IN_LIST windows_dlls)
      list(APPEND failures "${name} imports ${dll}, which is not one of Windows' known DLLs")
    endif()
  endforeach()
endforeach()
if(failures)
  list(JOIN failures "\n  " text)
  message(FATAL_ERROR "\n  ${text}")
endif()
