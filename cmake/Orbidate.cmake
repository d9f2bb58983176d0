# Compiler settings shared by every target of the project.

function(orbidate_compile_options target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wno-sign-conversion)
  if(WIN32)
    target_compile_definitions(${target} PRIVATE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601 STRICT)
    target_compile_options(${target} PRIVATE -fstack-protector-strong)
  endif()
  if(ORBIDATE_SANITIZE)
    target_compile_options(${target} PRIVATE -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
    target_link_options(${target} PUBLIC -fsanitize=address,undefined)
  endif()
endfunction()

# Portable sources go into the core; platform sources name their platform in
# the file name (Foo_win.cpp beside Foo_native.cpp).
function(orbidate_sources)
  cmake_parse_arguments(ARG "" "" "CORE;NATIVE;WIN32" ${ARGN})
  list(TRANSFORM ARG_CORE PREPEND ${CMAKE_CURRENT_SOURCE_DIR}/)
  target_sources(orbidate_core PRIVATE ${ARG_CORE})
  if(WIN32)
    list(TRANSFORM ARG_WIN32 PREPEND ${CMAKE_CURRENT_SOURCE_DIR}/)
    target_sources(orbidate_platform PRIVATE ${ARG_WIN32})
  else()
    list(TRANSFORM ARG_NATIVE PREPEND ${CMAKE_CURRENT_SOURCE_DIR}/)
    target_sources(orbidate_platform PRIVATE ${ARG_NATIVE})
  endif()
endfunction()

# The built-in Russian texts are written in UTF-8 and stored in the binary as
# Windows-1251, the code page the host shows them in.
function(orbidate_cp1251_sources target)
  set_source_files_properties(${ARGN} TARGET_DIRECTORY ${target}
    PROPERTIES COMPILE_OPTIONS "-finput-charset=UTF-8;-fexec-charset=CP1251")
endfunction()

# Windows executables and the plug-in link everything statically, so that
# they import system DLLs only.
function(orbidate_windows_link_options target)
  target_link_options(${target} PRIVATE -fstack-protector-strong -static -static-libgcc -static-libstdc++
    -Wl,--dynamicbase,--nxcompat,--no-insert-timestamp)
  if(CMAKE_SIZEOF_VOID_P EQUAL 4)
    target_link_options(${target} PRIVATE -Wl,--no-seh)
  else()
    target_link_options(${target} PRIVATE -Wl,--high-entropy-va)
  endif()
endfunction()
