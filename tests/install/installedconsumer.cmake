# Installs the build into WORK_DIR/prefix, then configures, builds and runs
# the consumer against that tree alone (and Qt).
file(REMOVE_RECURSE "${WORK_DIR}")

function(run_step what)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "${what} failed (${result}):\n${output}")
    endif()
endfunction()

run_step("Installing" "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${WORK_DIR}/prefix")

set(flags "")
if(SANITIZE)
    # An instrumented library needs the sanitizer runtimes in the program.
    set(flags "-fsanitize=address,undefined")
endif()
run_step("Configuring the consumer" "${CMAKE_COMMAND}" -S "${CONSUMER_SOURCE_DIR}" -B "${WORK_DIR}/build"
    -G "${GENERATOR}" "-DCMAKE_CXX_COMPILER=${CXX_COMPILER}" "-DQt6_DIR=${QT_DIR}"
    "-DCMAKE_PREFIX_PATH=${WORK_DIR}/prefix" "-DCMAKE_CXX_FLAGS=${flags}"
    "-DCMAKE_EXE_LINKER_FLAGS=${flags}")
run_step("Building the consumer" "${CMAKE_COMMAND}" --build "${WORK_DIR}/build")

execute_process(COMMAND "${WORK_DIR}/build/consumer" RESULT_VARIABLE result OUTPUT_VARIABLE output
    ERROR_VARIABLE errors)
if(NOT result EQUAL 0 OR NOT output STREQUAL "Button\n")
    message(FATAL_ERROR "The consumer failed (${result}): ${output}${errors}")
endif()
