#include "level/ObjectText.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "level/LevelScene.h"
#include "level/TexturedObject.h"
#include "level/TexturesNode.h"
#include "level/Wall.h"
#include "scenegraph/NumberText.h"
#include "scenegraph/SceneXmlReader.h"
#include "xml/XmlReader.h"

namespace {

// Larger text is no object that anybody copied from a level.
constexpr std::size_t MAX_TEXT_SIZE = 16u << 20;

TextureMapping* WallMapping(CSGNode& node)
{
    return node.GetType() == WALL_NODE ? static_cast<TexturedObject*>(&node) : nullptr;
}

// Everything `write` prints to a stream, as a string, with '.' as the decimal point whatever
// the desktop's locale: the text is read back with the level reader's C rules.
std::string Written(const std::function<void(std::FILE*)>& write)
{
    ScopedCLocale cLocale;
    char* buffer = nullptr;
    std::size_t size = 0;
    std::FILE* stream = open_memstream(&buffer, &size);
    if (!stream)
        return {};
    write(stream);
    std::fclose(stream);
    std::string text(buffer, size);
    std::free(buffer);
    return text;
}

// Passes the elements on to the level loader and tells, for each element at the top of the
// text, whether every value in it is a finite number; the list of images holds paths instead.
class NumberCheck : public XmlHandler {
public:
    explicit NumberCheck(XmlHandler& loader) : m_loader(loader) {}

    void StartElement(std::string_view name, const XmlAttributeList& attributes) override
    {
        Check(name, attributes);
        ++m_depth;
        m_loader.StartElement(name, attributes);
    }
    void AppendText(std::string_view text) override { m_loader.AppendText(text); }
    void EndElement() override
    {
        --m_depth;
        m_loader.EndElement();
    }
    void EmptyElement(std::string_view name, const XmlAttributeList& attributes) override
    {
        Check(name, attributes);
        m_loader.EmptyElement(name, attributes);
    }

    // One entry per element at the top of the text, in order.
    const std::vector<bool>& Numbers() const { return m_numbers; }

private:
    void Check(std::string_view name, const XmlAttributeList& attributes)
    {
        if (m_depth == 1) {
            m_numbers.push_back(true);
            m_paths = name == "TexturesNode";
        }
        if (m_depth == 0 || m_paths)
            return;
        for (const XmlAttribute& attribute : attributes) {
            if (!IsNumberText(attribute.second) || !std::isfinite(TextToFloat(attribute.second)))
                m_numbers.back() = false;
        }
    }

    XmlHandler& m_loader;
    std::size_t m_depth = 0;
    bool m_paths = false;
    std::vector<bool> m_numbers;
};

// A wall must have a size to be placed; items have none.
bool HasSize(const CSGNode& node)
{
    const auto* wall = dynamic_cast<const Wall*>(&node);
    return !wall || (wall->Width > 0.0f && wall->Depth > 0.0f);
}

} // namespace

bool IsCopyableObject(const CSGNode& node)
{
    return node.GetType() == WALL_NODE || IsItemType(node.GetType());
}

std::string WriteObjectsText(const std::vector<CSGNode*>& objects, const std::function<std::string(int)>& pathOfRow)
{
    TexturesNode textures;
    std::vector<int> listIds;
    for (CSGNode* object : objects) {
        TextureMapping* mapping = WallMapping(*object);
        const std::string path = mapping && mapping->GetTextureID() != 0 ? pathOfRow(mapping->GetTextureID()) : "";
        if (!path.empty())
            textures.m_names.push_back(path);
        listIds.push_back(path.empty() ? 0 : static_cast<int>(textures.m_names.size()));
    }
    return Written([&](std::FILE* stream) {
        textures.WriteXml(stream);
        for (std::size_t i = 0; i < objects.size(); ++i) {
            TextureMapping* mapping = WallMapping(*objects[i]);
            const int ownId = mapping ? mapping->GetTextureID() : 0;
            if (mapping)
                mapping->SetTextureID(listIds[i]);
            objects[i]->WriteXml(stream);
            if (mapping)
                mapping->SetTextureID(ownId);
        }
    });
}

std::optional<ObjectsText> ReadObjectsText(const std::string& text)
{
    if (text.size() > MAX_TEXT_SIZE)
        return std::nullopt;
    const std::string wrapped = "<CSGGroup SaveLightState = \"1\" >\n" + text + "\n</CSGGroup>\n";
    // Read as a level file is read, by the same loader.
    LevelScene scene;
    SceneXmlReader loader(scene.Root(), scene);
    NumberCheck check(loader);
    XmlReader reader;
    if (!reader.ReadBuffer(wrapped.data(), wrapped.size(), check) || !scene.GetUnknownElement().empty())
        return std::nullopt;

    std::vector<std::string> names;
    ObjectsText result;
    CSGGroup& root = scene.Root();
    for (std::size_t i = 0; root.ChildCount() > 0; ++i) {
        std::size_t index = 0;
        std::unique_ptr<CSGNode> node = root.TakeChild(root.GetChild(0), index);
        if (auto* textures = dynamic_cast<TexturesNode*>(node.get()); textures && i == 0) {
            names = textures->m_names;
            continue;
        }
        if (!IsCopyableObject(*node))
            return std::nullopt;
        const bool numbers = i < check.Numbers().size() && check.Numbers()[i];
        if (!numbers || !HasSize(*node)) {
            ++result.leftOut;
            continue;
        }
        std::string path;
        if (TextureMapping* mapping = WallMapping(*node)) {
            const int id = mapping->GetTextureID();
            if (id >= 1 && static_cast<std::size_t>(id) <= names.size())
                path = names[static_cast<std::size_t>(id) - 1];
            mapping->SetTextureID(0);
        }
        result.objects.push_back(std::move(node));
        result.texturePaths.push_back(std::move(path));
    }
    if (result.objects.empty() && result.leftOut == 0)
        return std::nullopt;
    return result;
}
