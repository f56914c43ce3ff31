#version 440

layout(location = 0) in vec4 in_vertex;
layout(location = 1) in vec2 in_uv0;
layout(location = 2) in vec2 in_uv1;

layout(location = 0) out vec2 shapeCoord;
layout(location = 1) out vec2 textureCoord;

layout(std140, binding = 0) uniform buf {
    mat4 matrix;
    float opacity;
    vec2 aspect;
    vec4 color;
    vec4 maskColor;
    vec4 radius;
} ubuf;

out gl_PerVertex { vec4 gl_Position; };

void main()
{
    shapeCoord = (-1.0 + 2.0 * in_uv0) * ubuf.aspect;
    textureCoord = in_uv1;
    gl_Position = ubuf.matrix * in_vertex;
}
