// GL entry points for the targets that must never reach the GL: any call
// is a finding. Only what the linked engine code refers to is defined; a
// new GL call in the scene's code shows as an undefined reference here.
#include <GL/gl.h>
#include <GL/glu.h>

#define NO_GL __builtin_trap()

extern "C" {
void glBegin(GLenum) { NO_GL; }
void glEnd() { NO_GL; }
void glColor4f(GLfloat, GLfloat, GLfloat, GLfloat) { NO_GL; }
void glTexCoord2f(GLfloat, GLfloat) { NO_GL; }
void glVertex3f(GLfloat, GLfloat, GLfloat) { NO_GL; }
void glBindTexture(GLenum, GLuint) { NO_GL; }
void glGenTextures(GLsizei, GLuint*) { NO_GL; }
void glDeleteTextures(GLsizei, const GLuint*) { NO_GL; }
void glPixelStorei(GLenum, GLint) { NO_GL; }
void glTexParameteri(GLenum, GLenum, GLint) { NO_GL; }
void glTexGeni(GLenum, GLenum, GLint) { NO_GL; }
void glTexImage2D(GLenum, GLint, GLint, GLsizei, GLsizei, GLint, GLenum, GLenum, const GLvoid*) { NO_GL; }
void glEnable(GLenum) { NO_GL; }
void glDisable(GLenum) { NO_GL; }
void glBlendFunc(GLenum, GLenum) { NO_GL; }
void glEnableClientState(GLenum) { NO_GL; }
void glDisableClientState(GLenum) { NO_GL; }
void glVertexPointer(GLint, GLenum, GLsizei, const GLvoid*) { NO_GL; }
void glColorPointer(GLint, GLenum, GLsizei, const GLvoid*) { NO_GL; }
void glTexCoordPointer(GLint, GLenum, GLsizei, const GLvoid*) { NO_GL; }
void glDrawArrays(GLenum, GLint, GLsizei) { NO_GL; }
GLint gluBuild2DMipmaps(GLenum, GLint, GLsizei, GLsizei, GLenum, GLenum, const void*) { NO_GL; }
}
