# The styled rectangle and its scene-graph layer. Shader packs, nodes and
# materials need no window; what draws runs on xcb under Xvfb with OpenGL.
set(dir "${CMAKE_CURRENT_SOURCE_DIR}/scenegraph")
set(libraries Qt6::QuickPrivate Qt6::GuiPrivate)

foreach(test tst_shadernode tst_shaderpacks tst_rectanglenodes)
    quilt_add_quick_test(${test} SOURCES "${dir}/${test}.cpp" LIBRARIES ${libraries})
endforeach()

quilt_add_quick_test(tst_rectanglepixels SOURCES "${dir}/tst_rectanglepixels.cpp" WINDOW LIBRARIES ${libraries})
# Also draws a button of the style that ships with the project.
quilt_add_quick_test(tst_styledrectangle SOURCES "${dir}/tst_styledrectangle.cpp" WINDOW LIBRARIES ${libraries}
    ENVIRONMENT "QUILT_TEST_SHIPPED_STYLES=${QUILT_DATA_OUTPUT_DIR}/quilt/styles")
add_dependencies(tst_styledrectangle quilt-halcyon)
# The mesh rectangles at scale 1 and 2; the renderer lists its batches.
quilt_add_quick_test(tst_meshrectangle SOURCES "${dir}/tst_meshrectangle.cpp" WINDOW LIBRARIES ${libraries}
    ENVIRONMENT "QSG_RENDERER_DEBUG=render")
quilt_add_quick_test(tst_meshrectangle_scaled SOURCES "${dir}/tst_meshrectangle.cpp" WINDOW LIBRARIES ${libraries}
    ENVIRONMENT "QSG_RENDERER_DEBUG=render" "QT_SCALE_FACTOR=2")
quilt_add_quick_test(tst_pixelsnapping SOURCES "${dir}/tst_pixelsnapping.cpp" WINDOW LIBRARIES ${libraries}
    ENVIRONMENT "QT_SCALE_FACTOR=1.5")
# Windows render on threads of their own here, sharing the texture cache.
quilt_add_quick_test(tst_texturecache SOURCES "${dir}/tst_texturecache.cpp" WINDOW LIBRARIES ${libraries}
    ENVIRONMENT "QSG_RENDER_LOOP=threaded")
