#pragma once
// A checked XML text (XmlText) read with the system's XmlLite into a small tree of elements:
// names, namespaces, the attributes feeds use and the text of each element. XmlLite reads with
// DTD processing prohibited (no entity is ever declared, so none is expanded, and no external
// one is fetched) and its element depth bounded; the tree bounds its element count and texts.
#include <cstddef>
#include <string>
#include <vector>

struct XmlElement {
    size_t ns = 0;              // index into XmlTree::namespaces ("" is index 0)
    std::wstring name;          // local name
    std::wstring text;          // the element's own text and CDATA, joined
    std::wstring href, rel, type;  // the attributes of that local name, where present
    std::vector<size_t> children;
};

struct XmlTree {
    static constexpr size_t kMaxDepth = 64;          // XmlLite's MaxElementDepth
    static constexpr size_t kMaxElements = 100000;
    static constexpr size_t kMaxTextLength = 32768;  // of one element's own text; the rest is dropped
    static constexpr size_t kMaxNamespaces = 64;

    std::vector<XmlElement> elements;    // elements[0] is the root
    std::vector<std::wstring> namespaces{std::wstring()};

    const XmlElement& root() const { return elements[0]; }
    const std::wstring& nsOf(const XmlElement& element) const { return namespaces[element.ns]; }
    // The first child of `parent` with that local name and namespace; null when none.
    const XmlElement* child(const XmlElement& parent, const wchar_t* name, const std::wstring& ns) const;
    // The own text of that child; empty when none.
    std::wstring childText(const XmlElement& parent, const wchar_t* name, const std::wstring& ns) const;
    // The text of the element and of everything inside it (xhtml content), bounded like a text.
    std::wstring deepText(const XmlElement& element) const;
};

// Reads `text` into `tree`; empty on success, else why it failed.
std::wstring readXmlTree(const std::wstring& text, XmlTree& tree);
