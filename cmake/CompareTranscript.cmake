# Runs one scenario and compares its transcript with the expected one. A
# transcript that ends in an "error: " line must come with exit status 2,
# any other with status 0.
execute_process(COMMAND ${RUNNER} ${SCENARIO}
  OUTPUT_VARIABLE actual RESULT_VARIABLE status)
file(WRITE ${ACTUAL} "${actual}")
file(READ ${EXPECTED} expected)
set(want_status 0)
if(expected MATCHES "(^|\n)error: [^\n]*\n?$")
  set(want_status 2)
endif()
if(NOT actual STREQUAL expected)
  execute_process(COMMAND diff -u ${EXPECTED} ${ACTUAL})
  message(FATAL_ERROR "transcript differs from ${EXPECTED}")
endif()
if(NOT status EQUAL want_status)
  message(FATAL_ERROR "run-scenario exited with ${status}, expected ${want_status}")
endif()
