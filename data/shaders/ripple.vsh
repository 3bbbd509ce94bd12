#version 110
// Ripple effect, vertex stage: the fixed-function transform, with the
// vertex colour and texture coordinate passed on to the fragment stage.

varying vec2 rippleCoord;

void main()
{
    rippleCoord = gl_MultiTexCoord0.xy;
    gl_FrontColor = gl_Color;
    gl_Position = ftransform();
}
