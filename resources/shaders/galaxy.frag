#version 110
// Galaxy fragment stage: a disc and bulge, five spiral arms, gas from rotating
// octaves of noise, and stars, all from the pixel's position, time and noise.

varying vec2 fs_tex;

uniform float iTime;
uniform float viewportWidth;
uniform float viewportHeight;
uniform sampler2D noiseTexture;   // never set: reads unit 0, where the noise is bound

#define RETICULATION 3.0            // contrast of the dust
#define NB_ARMS 5.0
#define COMPR 0.1                   // angular compression of the gas in the arms
#define SPEED 0.1                   // in radians a second
#define GALAXY_R (1.0 / 2.0)
#define BULB_R (1.0 / 4.0)
#define GALAXY_COL vec3(0.9, 0.9, 1.0)
#define BULB_COL vec3(1.0, 0.8, 0.8)
#define SKY_COL (0.5 * vec3(0.1, 0.3, 0.5))
#define L 7                         // number of noise octaves

// The noise shaped into wires: 1 where it is 0.5, falling to 0 at 0 and at 1.
float tex(vec2 q)
{
    float n = texture2D(noiseTexture, q).r;
    return 1.0 - abs(2.0 * n - 1.0);
}

// Turbulence. The rotation accumulates, so octave i turns by (i + 1) * SPEED * t:
// the finer the octave, the faster it seems to swirl.
float noise(vec2 q)
{
    float v = 0.0;
    float s = 1.0;
    float a = SPEED * iTime;
    mat2 m = mat2(cos(a), sin(a), -sin(a), cos(a));
    for (int i = 0; i < L; i++) {
        q = m * q;
        float b = tex(s * q);
        v += pow(b, RETICULATION) / s;
        s *= 2.0;
    }
    return v / 2.0;
}

void main()
{
    // Centre at (0, 0); one unit is the viewport's height.
    float ratio = viewportWidth / viewportHeight;
    vec2 uv = gl_FragCoord.xy / viewportHeight - vec2(ratio / 2.0, 0.5);

    float rho = length(uv);
    float ang = atan(uv.y, uv.x);
    float shear = 2.0 * log(rho);   // logarithmic spiral
    mat2 R = mat2(cos(shear), -sin(shear), sin(shear), cos(shear));

    float dens = exp(-(rho / GALAXY_R) * (rho / GALAXY_R));
    float bulb = exp(-(rho / BULB_R) * (rho / BULB_R));

    // The arm profile stays put; gas and stars are read at an angle that grows
    // with time, bunched up along the arms.
    float phase = NB_ARMS * (ang - shear);
    ang = ang - COMPR * cos(phase) + SPEED * iTime;
    uv = rho * vec2(cos(ang), sin(ang));
    float spires = 1.0 + NB_ARMS * COMPR * sin(phase);
    dens *= 0.7 * spires;           // density follows the compression

    float gaz = noise(0.09 * 1.2 * R * uv);
    float clear = 1.0 - gaz * dens;
    float gaz_trsp = clear * clear; // squared by hand: pow() is undefined below 0

    float stars1 = 0.0;
    float stars2 = texture2D(noiseTexture, ratio * 1.8 * uv - vec2(0.5)).r;
    float stars = pow(1.0 - (1.0 - stars1) * (1.0 - stars2), 5.0);

    vec3 col = mix(SKY_COL, gaz_trsp * 1.7 * GALAXY_COL + 1.2 * stars, dens);
    col = mix(col, 1.2 * BULB_COL, bulb);
    gl_FragColor = vec4(col, 1.0);
}
//~
