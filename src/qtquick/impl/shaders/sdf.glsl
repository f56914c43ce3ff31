// Signed-distance helpers shared by the fragment programs. Shape coordinates:
// the smaller side of the rectangle spans 2 units, so one pixel is 2 / f units
// and a length handed in as pixels / f is half its size in shape units.

// Distance to a rectangle of half extents e with rounded corners, negative
// inside. r holds the radii as (bottomRight, topRight, bottomLeft, topLeft);
// y grows downward.
float sdf_rounded_rectangle(vec2 p, vec2 e, vec4 r)
{
    vec2 side = p.x > 0.0 ? r.xy : r.zw;
    float rho = p.y > 0.0 ? side.x : side.y;
    vec2 d = abs(p) - e + rho;
    return min(max(d.x, d.y), 0.0) + length(max(d, vec2(0.0))) - rho;
}

// Coverage of the shape at this fragment, smoothed over a band of `spread`
// screen-space derivatives on either side of its edge.
float sdf_coverage(float s, float spread)
{
    float g = spread * max(fwidth(s), 1e-4);
    return 1.0 - smoothstep(-g, g, s);
}

float sdf_coverage(float s)
{
    return sdf_coverage(s, 0.625);
}

// Replaces source by target where the shape covers the fragment.
vec4 sdf_render(float s, vec4 source, vec4 target)
{
    return mix(source, target, sdf_coverage(s));
}

// Composites the premultiplied colour src over dst where the shape covers the
// fragment. A plain mix would weigh a premultiplied colour by its alpha twice.
vec4 sdf_over(float s, vec4 dst, vec4 src)
{
    float coverage = sdf_coverage(s);
    return src * coverage + dst * (1.0 - src.a * coverage);
}

// The rectangle moved in by the side widths a = (left, top, right, bottom).
void sdf_inset(inout vec2 p, inout vec2 e, vec4 a)
{
    p = p - a.xy + a.zw;
    e = e - (a.xy + a.zw);
}

// Each corner radius reduced by the smaller of the two widths meeting there.
vec4 sdf_shrink(vec4 r, vec4 a)
{
    return r - vec4(min(a.z, a.w), min(a.z, a.y), min(a.x, a.w), min(a.x, a.y));
}
