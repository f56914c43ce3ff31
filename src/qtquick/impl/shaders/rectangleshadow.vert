#version 440

layout(location = 0) in vec4 in_vertex;
layout(location = 1) in vec2 in_uv;

layout(location = 0) out vec2 shapeCoord;

layout(std140, binding = 0) uniform buf {
    mat4 matrix;
    float opacity;
    vec2 aspect;
    float spread;
    float blur;
    vec4 radius;
    vec4 color;
} ubuf;

out gl_PerVertex { vec4 gl_Position; };

void main()
{
    shapeCoord = (-1.0 + 2.0 * in_uv) * ubuf.aspect;
    gl_Position = ubuf.matrix * in_vertex;
}
