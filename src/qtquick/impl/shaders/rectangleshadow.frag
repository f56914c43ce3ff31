#version 440

layout(location = 0) in vec2 shapeCoord;

layout(location = 0) out vec4 fragColor;

layout(std140, binding = 0) uniform buf {
    mat4 matrix;
    float opacity;
    vec2 aspect;
    float spread;
    float blur;
    vec4 radius;
    vec4 color;
} ubuf;

#extension GL_GOOGLE_include_directive : enable
#include "sdf.glsl"

void main()
{
    vec4 c = clamp(2.0 * ubuf.radius, 0.0, 1.0);
    // Grow the corners with the shadow, the sharper ones a little more.
    vec4 k = (0.05 / max(c, vec4(0.05))) * 0.5;
    vec4 r = c + k * (ubuf.spread + ubuf.blur);
    float s = sdf_rounded_rectangle(shapeCoord, ubuf.aspect - 2.0 * ubuf.blur, r);
    // Without blur the band would be empty (undefined in smoothstep); keep at
    // least an antialiased edge.
    float band = max(max(2.0 * ubuf.blur, 0.625 * fwidth(s)), 1e-4);
    vec4 col = mix(vec4(0.0), ubuf.color, 1.0 - smoothstep(-band, band, s));
    fragColor = col * ubuf.opacity;
}
