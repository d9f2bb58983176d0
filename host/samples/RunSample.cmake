# Runs one sample script in the host program, headless, and compares the
# transcript with the expected one (the lines naming the plug-in's path are
# left out). Screenshots go to OUT.
execute_process(
  COMMAND ${EMULATOR} ${HOST} --headless --out ${OUT} ${SCRIPT}
  OUTPUT_VARIABLE transcript ERROR_VARIABLE errors RESULT_VARIABLE status)
if(status EQUAL 77)
  message(STATUS "skipped: ${errors}")
  return()
endif()
string(REGEX REPLACE "Loaded [^\n]*\n" "" transcript "${transcript}")
file(READ ${EXPECTED} expected)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "the host failed (${status}):\n${transcript}\n${errors}")
endif()
if(NOT transcript STREQUAL expected)
  file(WRITE ${OUT}/${NAME}.transcript "${transcript}")
  message(FATAL_ERROR "transcript differs from ${EXPECTED} (got ${OUT}/${NAME}.transcript):\n${transcript}")
endif()
message(STATUS "transcript as expected")
