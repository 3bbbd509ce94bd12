#include <GL/glew.h>

#include "render/shaders.h"

#include "shell/data_dir.h"
#include "support/gl_test.h"
#include "support/temp_dir.h"

namespace {

const char* kVertex =
    "#version 110\n"
    "void main() {\n"
    "    gl_TexCoord[0] = gl_MultiTexCoord0;\n"
    "    gl_Position = ftransform();\n"
    "}\n";
const char* kFragment =
    "#version 110\n"
    "uniform sampler2D picture;\n"
    "void main() { gl_FragColor = texture2D(picture, gl_TexCoord[0].st); }\n";

class RippleShaders : public GlTest {
protected:
    void SetUp() override {
        GlTest::SetUp();
        savedDataDir_ = DataDir;
        DataDir = dir_.path() + "/";
    }
    void TearDown() override {
        DataDir = savedDataDir_;
        GlTest::TearDown();
    }
    void writeShaders(const std::string& vertex, const std::string& fragment) {
        if (!vertex.empty()) dir_.write("shaders/ripple.vsh", vertex);
        if (!fragment.empty()) dir_.write("shaders/ripple.fsh", fragment);
    }
    std::vector<GLuint> attached() const {
        GLuint names[4] = {};
        GLsizei count = 0;
        glGetAttachedShaders(rippleProgram, 4, &count, names);
        return std::vector<GLuint>(names, names + count);
    }
    static GLint shaderValue(GLuint shader, GLenum what) {
        GLint v = 0;
        glGetShaderiv(shader, what, &v);
        return v;
    }
    TempDir dir_;
    std::string savedDataDir_;
};

TEST_F(RippleShaders, LinksBothStagesMadeInOrder) {
    writeShaders(kVertex, kFragment);
    ASSERT_TRUE(loadRippleShaders());
    ASSERT_TRUE(glIsProgram(rippleProgram));
    std::vector<GLuint> shaders = attached();
    ASSERT_EQ(shaders.size(), 2u);
    GLuint vertex = shaderValue(shaders[0], GL_SHADER_TYPE) == GL_VERTEX_SHADER ? shaders[0] : shaders[1];
    GLuint fragment = vertex == shaders[0] ? shaders[1] : shaders[0];
    EXPECT_EQ(shaderValue(vertex, GL_SHADER_TYPE), GL_VERTEX_SHADER);
    EXPECT_EQ(shaderValue(fragment, GL_SHADER_TYPE), GL_FRAGMENT_SHADER);
    // Names are handed out in creation order: vertex, fragment, program.
    EXPECT_LT(vertex, fragment);
    EXPECT_LT(fragment, rippleProgram);
    EXPECT_EQ(shaderValue(vertex, GL_COMPILE_STATUS), GL_TRUE);
    EXPECT_EQ(shaderValue(fragment, GL_COMPILE_STATUS), GL_TRUE);
    GLint linked = 0;
    glGetProgramiv(rippleProgram, GL_LINK_STATUS, &linked);
    EXPECT_EQ(linked, GL_TRUE);
}

TEST_F(RippleShaders, VertexSourceWithCrLfReachesTheGlWithLineFeeds) {
    std::string crlf;
    for (const char* p = kVertex; *p; ++p) crlf += *p == '\n' ? std::string("\r\n") : std::string(1, *p);
    writeShaders(crlf, kFragment);
    ASSERT_TRUE(loadRippleShaders());
    for (GLuint shader : attached()) {
        if (shaderValue(shader, GL_SHADER_TYPE) != GL_VERTEX_SHADER) continue;
        std::vector<char> source(4096);
        GLsizei length = 0;
        glGetShaderSource(shader, static_cast<GLsizei>(source.size()), &length, source.data());
        EXPECT_EQ(std::string(source.data(), length), kVertex);
    }
}

struct MissingCase {
    const char* name;
    std::string vertex, fragment;  // empty: the file is not there
};

class RippleShadersMissing : public RippleShaders,
                             public ::testing::WithParamInterface<MissingCase> {};

TEST_P(RippleShadersMissing, GiveNoProgram) {
    writeShaders(GetParam().vertex, GetParam().fragment);
    if (std::string(GetParam().name) == "EmptyFragment") dir_.write("shaders/ripple.fsh", "");
    EXPECT_FALSE(loadRippleShaders());
    EXPECT_EQ(rippleProgram, 0u);
}

INSTANTIATE_TEST_SUITE_P(Files, RippleShadersMissing,
                         ::testing::Values(MissingCase{"NoVertex", "", kFragment},
                                           MissingCase{"NoFragment", kVertex, ""},
                                           MissingCase{"EmptyFragment", kVertex, ""},
                                           MissingCase{"Neither", "", ""}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
