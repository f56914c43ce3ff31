#version 440

layout(location = 0) in vec4 in_vertex;
layout(location = 1) in vec2 in_uv0;
layout(location = 2) in vec4 in_border_color;
layout(location = 3) in vec4 in_outline_color;

layout(location = 0) out vec2 shapeCoord;
layout(location = 1) out vec4 borderColor;
layout(location = 2) out vec4 outlineColor;

layout(std140, binding = 0) uniform buf {
    mat4 matrix;
    float opacity;
    vec2 aspect;
    vec4 borderWidth;
    vec4 outlineWidth;
    vec4 radius;
} ubuf;

out gl_PerVertex { vec4 gl_Position; };

void main()
{
    shapeCoord = (-1.0 + 2.0 * in_uv0) * ubuf.aspect;
    borderColor = in_border_color;
    outlineColor = in_outline_color;
    gl_Position = ubuf.matrix * in_vertex;
}
