#version 110
// A vertex stage that does not compile.
void main()
{
    gl_Position = undeclaredPosition;
}
//~
