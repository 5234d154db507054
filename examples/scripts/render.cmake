# Runs one script with textaria-cli and keeps its picture; the script text goes to a log beside it.
get_filename_component(folder ${PICTURE} DIRECTORY)
file(MAKE_DIRECTORY ${folder})
set(ENV{QT_QPA_PLATFORM} offscreen)
execute_process(
  COMMAND ${CLI} script ${SCRIPT} --size 724 --png ${PICTURE}
  OUTPUT_FILE ${PICTURE}.txt
  ERROR_FILE ${PICTURE}.log
  RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "textaria-cli script ${SCRIPT} failed (${result}), see ${PICTURE}.log")
endif()
