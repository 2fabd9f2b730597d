# Runs PROGRAM with ARGS (a ;-list) and fails unless it exits 0 and, with
# QUIET set, says nothing at all (desktop-file-validate's hints exit 0).
execute_process(COMMAND ${PROGRAM} ${ARGS} RESULT_VARIABLE _rc OUTPUT_VARIABLE _out ERROR_VARIABLE _err)
if(NOT _rc EQUAL 0)
  message(FATAL_ERROR "${PROGRAM} exited ${_rc}:\n${_out}${_err}")
endif()
if(QUIET AND NOT "${_out}${_err}" STREQUAL "")
  message(FATAL_ERROR "${PROGRAM} is not clean:\n${_out}${_err}")
endif()
message(STATUS "${_out}${_err}")
