# One static library per layer folder. Sources are picked up by glob so that a
# new class file needs no CMake edit; a folder without sources yet makes no
# target, and layers that depend on it simply skip the missing dependency.
function(mercavo_layer name)
  cmake_parse_arguments(L "QT" "DIR" "DEPS" ${ARGN})
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS
       ${PROJECT_SOURCE_DIR}/${L_DIR}/*.cpp)
  # A layer's program (its main) lives in main/ and is built on its own.
  list(FILTER sources EXCLUDE REGEX "/${L_DIR}/main/")
  if(NOT sources)
    return()
  endif()
  add_library(${name} STATIC ${sources})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  foreach(dep IN LISTS L_DEPS)
    if(TARGET ${dep})
      target_link_libraries(${name} PUBLIC ${dep})
    endif()
  endforeach()
  if(L_QT)
    set_target_properties(${name} PROPERTIES AUTOMOC ON)
  endif()
endfunction()

# Links each dependency that exists; see mercavo_layer.
function(mercavo_link target)
  foreach(dep IN LISTS ARGN)
    if(TARGET ${dep})
      target_link_libraries(${target} PRIVATE ${dep})
    endif()
  endforeach()
endfunction()

# One GoogleTest program per test folder, every test registered with CTest.
function(mercavo_tests name)
  cmake_parse_arguments(T "" "DIR" "DEPS" ${ARGN})
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS
       ${CMAKE_CURRENT_SOURCE_DIR}/${T_DIR}/*.cpp)
  if(NOT sources)
    return()
  endif()
  add_executable(${name} ${sources})
  target_link_libraries(${name} PRIVATE GTest::gtest GTest::gmock GTest::gtest_main)
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR})
  mercavo_link(${name} ${T_DEPS})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  # Tests run in the build folder, against which the compiler (and ccache
  # with a base folder) names the sources that tests find files beside.
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST WORKING_DIRECTORY ${CMAKE_BINARY_DIR}
                       PROPERTIES ENVIRONMENT "MERCAVO_HOME=${CMAKE_BINARY_DIR}/bin")
endfunction()
