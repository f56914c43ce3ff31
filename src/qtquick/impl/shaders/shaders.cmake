# Shader packs of the styled rectangle's scene-graph nodes. One GLSL source per
# family and stage; a pack's name is its family followed by the variant
# defines, so "styledrectangle-border-outline" is styledrectangle.frag built
# with BORDER and OUTLINE. Packs land in the module's resources under shaders/.
set(quilt_shader_packs
    rectangle
    rectangle-texture
    rectangle-mask
    rectangle-invertedmask
    rectangleshadow
    styledrectangle
    styledrectangle-border
    styledrectangle-outline
    styledrectangle-border-outline
    styledrectangle-texture
    styledrectangle-mask
    styledrectangle-invertedmask
    styledrectangle-texture-mask
    styledrectangle-texture-invertedmask
    styledrectangle-border-texture
    styledrectangle-border-texture-mask
    styledrectangle-border-texture-invertedmask
    styledrectangle-outline-texture
    styledrectangle-border-outline-texture
    styledrectangle-border-outline-texture-mask
    styledrectangle-border-outline-texture-invertedmask)

foreach(pack IN LISTS quilt_shader_packs)
    string(REPLACE "-" ";" words "${pack}")
    list(POP_FRONT words family)
    set(defines "")
    foreach(word IN LISTS words)
        string(TOUPPER "${word}" define)
        list(APPEND defines "${define}=1")
    endforeach()

    qt_add_shaders(QuiltQuickImpl "quilt_shaders_${pack}_vert"
        BATCHABLE
        QUIET
        PREFIX "/qt/qml/org/vyr/quilt/impl"
        FILES "shaders/${family}.vert"
        OUTPUTS "shaders/${pack}.vert.qsb")
    qt_add_shaders(QuiltQuickImpl "quilt_shaders_${pack}_frag"
        QUIET
        PREFIX "/qt/qml/org/vyr/quilt/impl"
        DEFINES ${defines}
        FILES "shaders/${family}.frag"
        OUTPUTS "shaders/${pack}.frag.qsb")
endforeach()
