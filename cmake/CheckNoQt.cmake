# Fails when the program FILE needs a Qt library, directly or through
# another library: the records, the rules and the headless programs run
# without a window system.
file(GET_RUNTIME_DEPENDENCIES EXECUTABLES ${FILE}
     RESOLVED_DEPENDENCIES_VAR resolved UNRESOLVED_DEPENDENCIES_VAR unresolved)
foreach(library IN LISTS resolved unresolved)
  get_filename_component(name ${library} NAME)
  if(name MATCHES "^libQt")
    message(FATAL_ERROR "${FILE} needs ${name}")
  endif()
endforeach()
message(STATUS "${FILE}: no Qt library")
