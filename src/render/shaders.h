// The ripple shader pair from the data directory, compiled and linked into
// one program when the GL has shaders (OpenGL 2.0). No frame uses it yet.
#pragma once

#include <optional>
#include <string>

// The GL program name (a GLuint) last linked by loadRippleShaders; 0 when the
// last load failed. Spelled without GL types so that this header may come
// before or after GLEW's.
extern unsigned int rippleProgram;

// The file's text with every carriage-return line-feed pair read as one line
// feed. None when the path is null, the file cannot be read, is empty, or is
// larger than any shader source could reasonably be (1 MiB).
std::optional<std::string> readTextFile(const char* path);

// Creates a vertex and a fragment shader, hands them "shaders/ripple.vsh" and
// "shaders/ripple.fsh" from DataDir, compiles them and links them into
// rippleProgram. False, quietly, when either file is missing or empty (the
// fragment file is then not read when the vertex file is missing). Compile
// and link results are not consulted: no frame depends on the program.
// Needs a current context with OpenGL 2.0 and GLEW initialised.
bool loadRippleShaders();
