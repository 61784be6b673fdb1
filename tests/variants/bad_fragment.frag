#version 110
// A fragment stage that does not compile.
void main()
{
    gl_FragColor = undeclaredColour;
}
//~
