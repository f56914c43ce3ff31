#version 440

// Variants: BORDER (lines inside the edge), OUTLINE (lines outside it), both,
// or neither (nothing visible). The image defines of the rectangle family are
// accepted and have no effect here.

layout(location = 0) in vec2 shapeCoord;
layout(location = 1) in vec4 borderColor;
layout(location = 2) in vec4 outlineColor;

layout(location = 0) out vec4 fragColor;

layout(std140, binding = 0) uniform buf {
    mat4 matrix;
    float opacity;
    vec2 aspect;
    vec4 borderWidth;
    vec4 outlineWidth;
    vec4 radius;
} ubuf;

#extension GL_GOOGLE_include_directive : enable
#include "sdf.glsl"

void main()
{
    // The radii belong to the item's edge, the outer edge of the border.
    vec4 c = clamp(2.0 * ubuf.radius, 0.0, 1.0);
    vec2 p = shapeCoord;
    vec2 e = ubuf.aspect;
    vec4 col = vec4(0.0);

#if defined(BORDER) && defined(OUTLINE)
    col = sdf_render(sdf_rounded_rectangle(p, e, sdf_shrink(c, -ubuf.outlineWidth)), col, outlineColor);
    sdf_inset(p, e, ubuf.outlineWidth);
    col = sdf_render(sdf_rounded_rectangle(p, e, c), col, borderColor);
    sdf_inset(p, e, ubuf.borderWidth);
    col = sdf_render(sdf_rounded_rectangle(p, e, sdf_shrink(c, ubuf.borderWidth + fwidth(shapeCoord.x))), col, vec4(0.0));
#elif defined(BORDER)
    col = sdf_render(sdf_rounded_rectangle(p, e, c), col, borderColor);
    sdf_inset(p, e, ubuf.borderWidth);
    col = sdf_render(sdf_rounded_rectangle(p, e, sdf_shrink(c, ubuf.borderWidth + fwidth(shapeCoord.x))), col, vec4(0.0));
#elif defined(OUTLINE)
    col = sdf_render(sdf_rounded_rectangle(p, e, sdf_shrink(c, -ubuf.outlineWidth)), col, outlineColor);
    sdf_inset(p, e, ubuf.outlineWidth);
    col = sdf_render(sdf_rounded_rectangle(p, e, c), col, vec4(0.0));
#else
    col = sdf_render(sdf_rounded_rectangle(p, e, c), col, vec4(0.0));
#endif

    fragColor = col * ubuf.opacity;
}
