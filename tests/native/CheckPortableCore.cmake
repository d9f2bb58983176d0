# Fails when a portable source (one whose name does not end in _win) includes
# <windows.h> or another Windows header.
file(GLOB_RECURSE sources RELATIVE ${ROOT}
  ${ROOT}/plugin/*.cpp ${ROOT}/plugin/*.h ${ROOT}/calendar/*.cpp ${ROOT}/calendar/*.h
  ${ROOT}/monthcal/*.cpp ${ROOT}/monthcal/*.h ${ROOT}/appearance/*.cpp ${ROOT}/appearance/*.h
  ${ROOT}/editors/*.cpp ${ROOT}/editors/*.h ${ROOT}/forms/*.cpp ${ROOT}/forms/*.h
  ${ROOT}/canvas/*.cpp ${ROOT}/canvas/*.h)
set(offenders "")
foreach(source ${sources})
  if(source MATCHES "_win\\.(cpp|h)$")
    continue()
  endif()
  file(STRINGS ${ROOT}/${source} hits REGEX "#[ \t]*include[ \t]*<(windows|winuser|wingdi|commctrl|commdlg)\\.h>")
  if(hits)
    list(APPEND offenders ${source})
  endif()
endforeach()
if(offenders)
  message(FATAL_ERROR "portable sources include Windows headers: ${offenders}")
endif()
message(STATUS "portable core is free of Windows headers (${sources})")
