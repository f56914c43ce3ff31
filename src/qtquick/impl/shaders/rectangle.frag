#version 440

// Variants: TEXTURE (the image drawn over the fill), MASK (the image's alpha
// in the mask colour), INVERTEDMASK (the mask colour where the image is clear).

layout(location = 0) in vec2 shapeCoord;
layout(location = 1) in vec2 textureCoord;

layout(location = 0) out vec4 fragColor;

layout(std140, binding = 0) uniform buf {
    mat4 matrix;
    float opacity;
    vec2 aspect;
    vec4 color;
    vec4 maskColor;
    vec4 radius;
} ubuf;

#if defined(TEXTURE) || defined(MASK) || defined(INVERTEDMASK)
#define WITH_IMAGE
layout(binding = 1) uniform sampler2D textureSource;
#endif

#extension GL_GOOGLE_include_directive : enable
#include "sdf.glsl"

void main()
{
    vec4 radius = clamp(2.0 * ubuf.radius, 0.0, 1.0);
    float s = sdf_rounded_rectangle(shapeCoord, ubuf.aspect, radius);
    vec4 col = sdf_render(s, vec4(0.0), ubuf.color);

#if defined(WITH_IMAGE)
    // Scene-graph textures hold premultiplied colour.
    vec4 t = texture(textureSource, textureCoord);
#if defined(MASK)
    vec4 image = ubuf.maskColor * t.a;
#elif defined(INVERTEDMASK)
    vec4 image = ubuf.maskColor * (1.0 - t.a);
#else
    vec4 image = t;
#endif
    col = sdf_over(s, col, image);
#endif

    fragColor = col * ubuf.opacity;
}
