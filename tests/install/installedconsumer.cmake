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

# Two plain applications of Qt, built against Qt alone, run from the prefix
# as a user runs them: the plug-ins and QML modules found through the paths
# a prefix needs, the libraries through the plug-ins' own run paths (no
# LD_LIBRARY_PATH), the colours from a scheme of the test's own.
run_step("Configuring the applications" "${CMAKE_COMMAND}" -S "${APPS_SOURCE_DIR}" -B "${WORK_DIR}/apps"
    -G "${GENERATOR}" "-DCMAKE_CXX_COMPILER=${CXX_COMPILER}" "-DQt6_DIR=${QT_DIR}"
    "-DCMAKE_CXX_FLAGS=${flags}" "-DCMAKE_EXE_LINKER_FLAGS=${flags}")
run_step("Building the applications" "${CMAKE_COMMAND}" --build "${WORK_DIR}/apps")

set(button_colour "#3070c0")
set(window_colour "#c05030")
file(WRITE "${WORK_DIR}/config/loomglobals" "[Colors:Button]\nBackgroundNormal=${button_colour}\n"
    "[Colors:Window]\nBackgroundNormal=${window_colour}\n")
file(MAKE_DIRECTORY "${WORK_DIR}/data" "${WORK_DIR}/cache")
set(prefix "${WORK_DIR}/prefix")
foreach(folder QUILT_INSTALL_PLUGINDIR QUILT_INSTALL_QMLDIR CMAKE_INSTALL_DATADIR)
    cmake_path(ABSOLUTE_PATH ${folder} BASE_DIRECTORY "${prefix}" OUTPUT_VARIABLE installed_${folder})
endforeach()
set(environment --unset=LD_LIBRARY_PATH --unset=QUILT_STYLE_NAME --unset=QUILT_FORCE_PLATFORM
    --unset=XDG_CURRENT_DESKTOP --unset=QT_STYLE_OVERRIDE --unset=QT_LOGGING_RULES
    "QT_PLUGIN_PATH=${installed_QUILT_INSTALL_PLUGINDIR}"
    "QML_IMPORT_PATH=${installed_QUILT_INSTALL_QMLDIR}"
    "XDG_DATA_DIRS=${installed_CMAKE_INSTALL_DATADIR}"
    "XDG_CONFIG_HOME=${WORK_DIR}/config" "XDG_CONFIG_DIRS=${WORK_DIR}/config"
    "XDG_DATA_HOME=${WORK_DIR}/data" "XDG_CACHE_HOME=${WORK_DIR}/cache")

function(run_app what expected)
    execute_process(COMMAND "${CMAKE_COMMAND}" -E env ${environment} ${ARGN}
        RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE errors)
    if(NOT result EQUAL 0 OR NOT output STREQUAL expected)
        message(FATAL_ERROR "${what} failed (${result}).\nExpected:\n${expected}Printed:\n${output}${errors}")
    endif()
    # What a user would read as a fault of the installation.
    foreach(complaint "invalid style override" "Cannot load library" "No provider" "Could not find style"
            "No usable style" "cannot open shared object file")
        string(FIND "${errors}" "${complaint}" found)
        if(NOT found EQUAL -1)
            message(FATAL_ERROR "${what} complained:\n${errors}")
        endif()
    endforeach()
endfunction()

run_app("The widget application" "style quilt\nbutton ${button_colour}\nwindow ${window_colour}\n"
    "${WORK_DIR}/apps/widgetapp" -style quilt)
run_app("The Qt Quick application" "button ${button_colour}\nwindow ${window_colour}\n"
    "${CMAKE_COMMAND}" -E env QT_QUICK_CONTROLS_STYLE=org.vyr.quilt "${WORK_DIR}/apps/quickapp")
