# The Quick controls gallery, shown in-process through its own library: its
# pages under halcyon (every page loads in its three frames, parts sit
# mirrored right to left, disabled parts look different), and the colour
# scheme option reaching the desktop colour provider.
set(dir "${CMAKE_CURRENT_SOURCE_DIR}/gallery")
quilt_add_controls_quick_test(tst_quickgallery_pages SOURCES "${dir}/tst_quickgallerypages.cpp" "${dir}/galleryprobe.h"
    WINDOW LIBRARIES QuiltQuickGallery
    ENVIRONMENT "QUILT_STYLE_NAME=halcyon" "QUILT_TEST_SHIPPED_STYLES=${QUILT_DATA_OUTPUT_DIR}/quilt/styles")
quilt_add_controls_quick_test(tst_quickgallery_scheme SOURCES "${dir}/tst_quickgalleryscheme.cpp" "${dir}/galleryprobe.h"
    WINDOW LIBRARIES QuiltQuickGallery)
foreach(name IN ITEMS tst_quickgallery_pages tst_quickgallery_scheme)
    target_include_directories(${name} PRIVATE "${dir}")
    add_dependencies(${name} quilt-loompalette)
endforeach()
# Looks of single controls on the pages, read back from the drawn window.
quilt_add_controls_quick_test(tst_quickgallery_look SOURCES "${dir}/tst_quickgallerylook.cpp" "${dir}/galleryprobe.h"
    WINDOW LIBRARIES QuiltQuickGallery
    ENVIRONMENT "QUILT_STYLE_NAME=halcyon" "QUILT_TEST_SHIPPED_STYLES=${QUILT_DATA_OUTPUT_DIR}/quilt/styles")
target_include_directories(tst_quickgallery_look PRIVATE "${dir}")
add_dependencies(tst_quickgallery_look quilt-loompalette)
