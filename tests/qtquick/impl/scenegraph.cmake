# The styled rectangle's scene-graph layer: shader packs, nodes and materials
# (no window needed), the texture cache and the item itself (drawn on xcb
# under Xvfb with OpenGL: custom materials do not run on the software path).
foreach(test tst_shadernode tst_shaderpacks tst_rectanglenodes tst_rectanglepixels tst_texturecache
        tst_styledrectangle)
    if(EXISTS "${CMAKE_CURRENT_LIST_DIR}/${test}.cpp")
        quilt_add_test(${test}
            SOURCES "${CMAKE_CURRENT_LIST_DIR}/${test}.cpp"
            LIBRARIES Quilt::QuickImpl Qt6::Quick Qt6::QuickPrivate Qt6::GuiPrivate
            ENVIRONMENT ${QUILT_QUICK_TEST_ENVIRONMENT} "QSG_RHI_BACKEND=opengl")
    endif()
endforeach()
