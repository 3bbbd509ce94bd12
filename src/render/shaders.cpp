#include <GL/glew.h>

#include "render/shaders.h"

#include "platform/files.h"
#include "shell/data_dir.h"

unsigned int rippleProgram = 0;
static_assert(sizeof(GLuint) == sizeof(unsigned int), "a GL name is an unsigned int");

namespace {
constexpr std::size_t kMaxShaderBytes = 1 << 20;
}

std::optional<std::string> readTextFile(const char* path) {
    if (!path) return std::nullopt;
    std::string bytes;
    if (platform::readWholeFile(path, bytes, kMaxShaderBytes) != platform::ReadResult::Ok)
        return std::nullopt;
    if (bytes.empty()) return std::nullopt;
    // Sources saved on other systems end their lines with CR LF; the GL gets
    // plain line feeds, as a text-mode read would give.
    std::string text;
    text.reserve(bytes.size());
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') continue;
        text += bytes[i];
    }
    return text;
}

bool loadRippleShaders() {
    rippleProgram = 0;
    GLuint vertexShader = glCreateShader(GL_VERTEX_SHADER);
    GLuint fragmentShader = glCreateShader(GL_FRAGMENT_SHADER);

    std::optional<std::string> vertexText = readTextFile((DataDir + "shaders/ripple.vsh").c_str());
    if (!vertexText) return false;
    std::optional<std::string> fragmentText =
        readTextFile((DataDir + "shaders/ripple.fsh").c_str());
    if (!fragmentText) return false;

    const GLchar* vertexSource = vertexText->c_str();
    const GLchar* fragmentSource = fragmentText->c_str();
    glShaderSource(vertexShader, 1, &vertexSource, nullptr);
    glShaderSource(fragmentShader, 1, &fragmentSource, nullptr);
    glCompileShader(vertexShader);
    glCompileShader(fragmentShader);

    rippleProgram = glCreateProgram();
    glAttachShader(rippleProgram, fragmentShader);
    glAttachShader(rippleProgram, vertexShader);
    glLinkProgram(rippleProgram);
    return true;
}
