#version 110
// Ripple effect, fragment stage: rings spread from a centre on the texture
// and shift the lookup along the ring's slope, as on water disturbed by a
// drop. Strength 0 leaves the picture as it is.

uniform sampler2D picture;
uniform float time;       // seconds
uniform vec2 centre;      // in texture coordinates
uniform float strength;   // displacement in texture coordinates

varying vec2 rippleCoord;

void main()
{
    vec2 offset = rippleCoord - centre;
    float distance = length(offset);
    vec2 direction = offset / max(distance, 0.0001);
    float wave = sin(distance * 60.0 - time * 5.0);
    float fade = 1.0 / (1.0 + distance * 12.0);
    vec2 lookup = rippleCoord + direction * (wave * fade * strength);
    gl_FragColor = texture2D(picture, lookup) * gl_Color;
}
