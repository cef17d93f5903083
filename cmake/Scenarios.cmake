# Window tests: every NAME.scn in a folder is run by run-scenario and its
# transcript compared with NAME.out beside it.
function(add_scenario_tests dir)
  file(GLOB scenarios CONFIGURE_DEPENDS ${dir}/*.scn)
  get_filename_component(owner ${dir} DIRECTORY)
  file(RELATIVE_PATH prefix ${PROJECT_SOURCE_DIR} ${owner})
  string(REPLACE "/" "." prefix ${prefix})
  foreach(scn IN LISTS scenarios)
    get_filename_component(name ${scn} NAME_WE)
    add_test(NAME scenario.${prefix}.${name}
      COMMAND ${CMAKE_COMMAND}
        -DRUNNER=$<TARGET_FILE:run-scenario>
        -DSCENARIO=${scn}
        -DEXPECTED=${dir}/${name}.out
        -DACTUAL=${CMAKE_CURRENT_BINARY_DIR}/${name}.actual
        -P ${PROJECT_SOURCE_DIR}/cmake/CompareTranscript.cmake)
    set_tests_properties(scenario.${prefix}.${name} PROPERTIES
      ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=C.UTF-8" TIMEOUT 60)
  endforeach()
endfunction()
