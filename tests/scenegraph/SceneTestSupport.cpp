#include "tests/scenegraph/SceneTestSupport.h"

#include <cstdlib>
#include <regex>

#include <GL/gl.h>
#include <gtest/gtest.h>

namespace scenegraph_test {

int CountingNode::s_alive = 0;

void ProbeNode::Draw(float /*t*/)
{
    modelviews.push_back(CurrentModelview());
    GLint depth = 0;
    glGetIntegerv(GL_NAME_STACK_DEPTH, &depth);
    nameStackDepths.push_back(depth);
    glBegin(GL_POINTS);
    glVertex3f(0.0f, 0.0f, 0.0f);
    glEnd();
}

void ProbeNode::WriteXml(std::FILE* file)
{
    std::fprintf(file, "<Probe\n/>\n");
}

GLMatrix CurrentModelview()
{
    GLMatrix m{};
    glGetFloatv(GL_MODELVIEW_MATRIX, m.data());
    return m;
}

GLMatrix ModelviewAfter(const std::function<void()>& transform)
{
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    transform();
    GLMatrix m = CurrentModelview();
    glPopMatrix();
    return m;
}

void ExpectMatrixNear(const GLMatrix& actual, const GLMatrix& expected, float tolerance)
{
    for (int i = 0; i < 16; ++i)
        EXPECT_NEAR(actual[i], expected[i], tolerance) << "entry " << i;
}

XmlElement ElementFromText(const std::string& text)
{
    static const std::regex token(R"(</\w+>|/>|<(\w+)|(\w+)\s*=\s*"([^"]*)\")");
    std::vector<XmlElement> open;
    XmlElement root;
    for (std::sregex_iterator it(text.begin(), text.end(), token), end; it != end; ++it) {
        const std::smatch& m = *it;
        if (m[1].matched) {
            open.emplace_back();
            open.back().SetName(m[1]);
        } else if (m[2].matched) {
            open.back().SetAttribute(m[2].str(), m[3].str());
        } else {
            XmlElement done = std::move(open.back());
            open.pop_back();
            if (open.empty())
                root = std::move(done);
            else
                open.back().AppendChild(std::move(done));
        }
    }
    return root;
}

} // namespace scenegraph_test
