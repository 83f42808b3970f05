# Runs quillon-calc COMMAND on golden/COMMAND.jsonl and compares what it says (the answers, the
# messages, the exit code and the command's --help) byte for byte with golden/COMMAND.expected.
# -DUPDATE=ON writes the expected file instead, from a build whose answers are known good.
execute_process(COMMAND "${QUILLON_CALC}" ${COMMAND} --help OUTPUT_VARIABLE help
                ERROR_VARIABLE help RESULT_VARIABLE helpCode)
execute_process(COMMAND "${QUILLON_CALC}" ${COMMAND} INPUT_FILE "${FOLDER}/${COMMAND}.jsonl"
                OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE code)
set(said "${out}== exit ${code}\n== standard error\n${err}== help, exit ${helpCode}\n${help}")
set(expected "${FOLDER}/${COMMAND}.expected")
if(UPDATE)
  file(WRITE "${expected}" "${said}")
  return()
endif()
file(READ "${expected}" wanted)
if(NOT said STREQUAL wanted)
  set(actual "${CMAKE_CURRENT_BINARY_DIR}/${COMMAND}.actual")
  file(WRITE "${actual}" "${said}")
  message(FATAL_ERROR "quillon-calc ${COMMAND} answers differently; see diff ${expected} ${actual}")
endif()
