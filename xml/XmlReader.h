#pragma once

#include <cstddef>
#include <cstdio>
#include <memory>
#include <string>

#include "xml/XmlElement.h"
#include "xml/XmlHandler.h"

class XmlTreeBuilder;

// Reads one level map file (the editor's restricted XML dialect) into an element tree that it
// owns. Every read starts fresh; nothing of an earlier read carries over.
class XmlReader {
public:
    // The parser's messages go to `reports`, the standard error stream unless told otherwise
    // (none when null).
    explicit XmlReader(std::FILE* reports = stderr) : m_reports(reports) {}

    // False when the file cannot be opened or does not parse; the parser's messages go to the
    // reports stream and GetError() tells the reason ("parse error at line 3").
    bool Read(const std::string& path);
    // The same on bytes already in memory.
    bool ReadBuffer(const char* data, std::size_t size);
    // The same, handing the elements to `handler` while they are read instead of keeping a
    // tree; GetRoot() stays null.
    bool Read(const std::string& path, XmlHandler& handler);
    bool ReadBuffer(const char* data, std::size_t size, XmlHandler& handler);

    const XmlElement* GetRoot() const { return m_root.get(); }
    const std::string& GetError() const { return m_error; }

private:
    // Writes `report` (when there is one) to the reports stream and keeps `error`.
    bool Fail(const char* report, std::string error);
    bool KeepTree(XmlTreeBuilder& tree);

    std::FILE* m_reports;
    std::unique_ptr<XmlElement> m_root;
    std::string m_error;
};
