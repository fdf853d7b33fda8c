# Runs mkdata into two fresh folders, compares every file of the two by its
# hash, then checks the first folder and its data files with mkdata --check.
# Arguments: MKDATA (the program), DATA (the sources), WORK (a scratch folder).
file(REMOVE_RECURSE ${WORK})
foreach(run first second)
  file(MAKE_DIRECTORY ${WORK}/${run})
  execute_process(COMMAND ${MKDATA} --out ${WORK}/${run} --data ${DATA}
                  RESULT_VARIABLE result ERROR_VARIABLE errors)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "mkdata failed into ${run}: ${errors}")
  endif()
endforeach()

file(GLOB_RECURSE first_files RELATIVE ${WORK}/first ${WORK}/first/*)
file(GLOB_RECURSE second_files RELATIVE ${WORK}/second ${WORK}/second/*)
list(SORT first_files)
list(SORT second_files)
if(NOT first_files STREQUAL second_files)
  message(FATAL_ERROR "the two runs wrote different files:\n${first_files}\n${second_files}")
endif()
if(NOT first_files)
  message(FATAL_ERROR "mkdata wrote nothing")
endif()
foreach(name ${first_files})
  file(SHA256 ${WORK}/first/${name} first_hash)
  file(SHA256 ${WORK}/second/${name} second_hash)
  if(NOT first_hash STREQUAL second_hash)
    message(FATAL_ERROR "${name} differs between two runs")
  endif()
endforeach()

foreach(arguments "${WORK}/first" "${WORK}/first/ORIGINAL.MQM;${WORK}/first/ORIGINAL.MQP")
  execute_process(COMMAND ${MKDATA} --check ${arguments}
                  RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE errors)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "mkdata --check ${arguments} failed:\n${errors}${output}")
  endif()
endforeach()
file(REMOVE_RECURSE ${WORK})
