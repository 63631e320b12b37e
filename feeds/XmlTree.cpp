#include "feeds/XmlTree.h"

#include <windows.h>
#include <shlwapi.h>
#include <xmllite.h>

#include <algorithm>
#include <new>

#include "framework/SystemLibrary.h"
#include "framework/TextCodec.h"
#include "framework/UniqueHandle.h"

namespace {
template <class Interface>
struct ComTraits : fw::NullIsNone<Interface*> {
    static void close(Interface* object) { object->Release(); }
};
template <class Interface>
using ComPtr = fw::UniqueHandle<ComTraits<Interface>>;

struct LibraryTraits : fw::NullIsNone<HMODULE> {
    static void close(HMODULE module) { FreeLibrary(module); }
};

using CreateXmlReaderFunction = HRESULT(WINAPI*)(REFIID, void**, IMalloc*);

// xmllite.dll, loaded from the system folder once and kept for the process's life.
CreateXmlReaderFunction createXmlReader() {
    static const fw::UniqueHandle<LibraryTraits> library(fw::LoadSystemLibrary("xmllite.dll"));
    static const auto create = fw::BindFunction<CreateXmlReaderFunction>(library.get(), "CreateXmlReader");
    return create;
}

std::wstring hresultText(HRESULT hr) {
    wchar_t buffer[16];
    wsprintfW(buffer, L"%08lX", static_cast<unsigned long>(hr));
    return buffer;
}

class TreeBuilder {
public:
    TreeBuilder(IXmlReader* reader, XmlTree& tree, size_t maxNodes) : m_reader(reader), m_tree(tree), m_maxNodes(maxNodes) {}

    std::wstring run() {
        XmlNodeType type = XmlNodeType_None;
        HRESULT hr;
        size_t nodes = 0;
        while ((hr = m_reader->Read(&type)) == S_OK) {
            // Wine's XmlLite, given a document that ends inside an element, can hand out the
            // same node for ever; no document has more nodes than the bound.
            if (++nodes > m_maxNodes) return L"not well-formed XML (the reader does not come to its end)";
            std::wstring problem;
            switch (type) {
            case XmlNodeType_Element: problem = startElement(); break;
            case XmlNodeType_EndElement:
                if (!m_open.empty()) m_open.pop_back();
                break;
            case XmlNodeType_Text:
            case XmlNodeType_CDATA:
            case XmlNodeType_Whitespace: addText(); break;
            default: break;
            }
            if (!problem.empty()) return problem;
        }
        if (FAILED(hr)) return failure(hr);
        if (m_tree.elements.empty()) return L"no XML element was found";
        if (!m_open.empty()) return L"the document ends before its elements are closed";
        return std::wstring();
    }

    const std::wstring& rootName() const { return m_rootName; }
    bool rootEmpty() const { return m_rootEmpty; }

private:
    std::wstring failure(HRESULT hr) const {
        UINT line = 0;
        m_reader->GetLineNumber(&line);
        if (hr == static_cast<HRESULT>(0xC00CEE4F)) return L"a document type declaration (DTD) is not accepted";
        if (hr == static_cast<HRESULT>(0xC00CEE81)) return L"the elements are nested too deep";
        return L"not well-formed XML (error " + hresultText(hr) + L", line " + std::to_wstring(line) + L")";
    }

    std::wstring startElement() {
        if (m_tree.elements.size() >= XmlTree::kMaxElements) return L"the document has too many elements";
        if (m_open.empty() && !m_tree.elements.empty()) return L"not well-formed XML (a second root element)";
        XmlElement element;
        const WCHAR* value = nullptr;
        UINT length = 0;
        if (FAILED(m_reader->GetLocalName(&value, &length))) return L"an element has no readable name";
        element.name.assign(value, length);
        if (SUCCEEDED(m_reader->GetNamespaceUri(&value, &length)) && value) element.ns = namespaceIndex(std::wstring(value, length));
        const BOOL empty = m_reader->IsEmptyElement();
        if (m_tree.elements.empty()) {
            if (SUCCEEDED(m_reader->GetQualifiedName(&value, &length)) && value) m_rootName.assign(value, length);
            m_rootEmpty = empty != FALSE;
        }
        readAttributes(element);
        const size_t index = m_tree.elements.size();
        if (!m_open.empty()) m_tree.elements[m_open.back()].children.push_back(index);
        m_tree.elements.push_back(std::move(element));
        if (!empty) m_open.push_back(index);  // an empty element gets no end node
        return std::wstring();
    }

    // Attributes are walked one by one: Wine's XmlLite cannot move to one by its name.
    void readAttributes(XmlElement& element) {
        for (HRESULT hr = m_reader->MoveToFirstAttribute(); hr == S_OK; hr = m_reader->MoveToNextAttribute()) {
            const WCHAR* name = nullptr;
            const WCHAR* value = nullptr;
            UINT nameLength = 0;
            UINT valueLength = 0;
            if (FAILED(m_reader->GetLocalName(&name, &nameLength)) || FAILED(m_reader->GetValue(&value, &valueLength))) continue;
            const std::wstring local(name, nameLength);
            std::wstring* target = local == L"href" ? &element.href : local == L"rel" ? &element.rel : local == L"type" ? &element.type : nullptr;
            if (target) target->assign(value, std::min<UINT>(valueLength, XmlTree::kMaxTextLength));
        }
        m_reader->MoveToElement();
    }

    size_t namespaceIndex(const std::wstring& uri) {
        for (size_t i = 0; i < m_tree.namespaces.size(); ++i)
            if (m_tree.namespaces[i] == uri) return i;
        if (m_tree.namespaces.size() >= XmlTree::kMaxNamespaces) return 0;
        m_tree.namespaces.push_back(uri);
        return m_tree.namespaces.size() - 1;
    }

    void addText() {
        if (m_open.empty()) return;
        std::wstring& text = m_tree.elements[m_open.back()].text;
        const WCHAR* value = nullptr;
        UINT length = 0;
        if (FAILED(m_reader->GetValue(&value, &length)) || !value) return;
        if (text.size() < XmlTree::kMaxTextLength)
            text.append(value, std::min<size_t>(length, XmlTree::kMaxTextLength - text.size()));
    }

    IXmlReader* m_reader;
    XmlTree& m_tree;
    size_t m_maxNodes;
    std::wstring m_rootName;  // as written, with its prefix
    bool m_rootEmpty = false;
    std::vector<size_t> m_open;  // the elements started and not yet ended
};

// Steps over blanks, comments and processing instructions from `at`: what may follow the root.
size_t afterMisc(const std::wstring& text, size_t at) {
    for (;;) {
        at = text.find_first_not_of(L" \t\r\n", at);
        if (at == std::wstring::npos) return text.size();
        const wchar_t* close = text.compare(at, 4, L"<!--") == 0 ? L"-->" : text.compare(at, 2, L"<?") == 0 ? L"?>" : nullptr;
        if (!close) return at;
        const size_t end = text.find(close, at);
        if (end == std::wstring::npos) return at;
        at = end + std::char_traits<wchar_t>::length(close);
    }
}

// Whether the document ends with the root's end tag (blanks, comments and processing
// instructions after it aside). Wine's XmlLite closes the elements left open at the end of a
// document without a word, so a cut document would read as whole.
bool rootClosedAtEnd(const std::wstring& text, const std::wstring& rootName) {
    const size_t end = text.rfind(L"</" + rootName);
    if (end == std::wstring::npos) return false;
    const size_t close = text.find_first_not_of(L" \t\r\n", end + 2 + rootName.size());
    return close != std::wstring::npos && text[close] == L'>' && afterMisc(text, close + 1) == text.size();
}
}  // namespace

const XmlElement* XmlTree::child(const XmlElement& parent, const wchar_t* name, const std::wstring& ns) const {
    for (size_t index : parent.children) {
        const XmlElement& element = elements[index];
        if (element.name == name && nsOf(element) == ns) return &element;
    }
    return nullptr;
}

std::wstring XmlTree::childText(const XmlElement& parent, const wchar_t* name, const std::wstring& ns) const {
    const XmlElement* found = child(parent, name, ns);
    return found ? deepText(*found) : std::wstring();
}

std::wstring XmlTree::deepText(const XmlElement& element) const {
    std::wstring text = element.text;
    std::vector<size_t> pending(element.children.rbegin(), element.children.rend());
    while (!pending.empty() && text.size() < kMaxTextLength) {
        const XmlElement& next = elements[pending.back()];
        pending.pop_back();
        text += L' ';
        text += next.text;
        pending.insert(pending.end(), next.children.rbegin(), next.children.rend());
    }
    if (text.size() > kMaxTextLength) text.resize(kMaxTextLength);
    return text;
}

std::wstring readXmlTree(const std::wstring& text, XmlTree& tree) {
    tree = XmlTree();
    const CreateXmlReaderFunction create = createXmlReader();
    if (!create) return L"the system's XML reader (xmllite.dll) is missing";
    // Each node but text starts with "<"; text lies between them, a long one in pieces.
    const size_t maxNodes = 2 * static_cast<size_t>(std::count(text.begin(), text.end(), L'<')) + text.size() / 16 + 16;
    // UTF-8 with its byte-order mark, as XmlText declares it.
    std::string marked = fw::MarkBytes(fw::TextMark::Utf8) + fw::Narrow(text, CP_UTF8);
    ComPtr<IStream> stream(SHCreateMemStream(reinterpret_cast<const BYTE*>(marked.data()), static_cast<UINT>(marked.size())));
    marked.clear();
    marked.shrink_to_fit();
    if (!stream) return L"out of memory for the document";
    IXmlReader* rawReader = nullptr;
    if (FAILED(create(__uuidof(IXmlReader), reinterpret_cast<void**>(&rawReader), nullptr)) || !rawReader)
        return L"the system's XML reader could not be created";
    ComPtr<IXmlReader> reader(rawReader);
    if (FAILED(reader.get()->SetProperty(XmlReaderProperty_DtdProcessing, DtdProcessing_Prohibit)) ||
        FAILED(reader.get()->SetProperty(XmlReaderProperty_MaxElementDepth, XmlTree::kMaxDepth)) ||
        FAILED(reader.get()->SetInput(stream.get())))
        return L"the system's XML reader refused its settings";
    try {
        TreeBuilder builder(reader.get(), tree, maxNodes);
        std::wstring problem = builder.run();
        if (problem.empty() && !builder.rootEmpty() && !rootClosedAtEnd(text, builder.rootName()))
            problem = L"the document ends before its elements are closed";
        if (!problem.empty()) tree = XmlTree();
        return problem;
    } catch (const std::bad_alloc&) {
        tree = XmlTree();
        return L"out of memory for the document";
    }
}
