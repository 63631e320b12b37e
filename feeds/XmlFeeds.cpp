#include "feeds/XmlFeeds.h"

#include "feeds/PlainText.h"
#include "feeds/XmlText.h"
#include "feeds/XmlTree.h"

namespace {
const std::wstring kAtom = L"http://www.w3.org/2005/Atom";
const std::wstring kRss1 = L"http://purl.org/rss/1.0/";
const std::wstring kDublinCore = L"http://purl.org/dc/elements/1.1/";
const wchar_t kCapPrefix[] = L"urn:oasis:names:tc:emergency:cap:";

bool isCap(const std::wstring& ns) { return ns.compare(0, std::char_traits<wchar_t>::length(kCapPrefix), kCapPrefix) == 0; }

std::wstring plain(const std::wstring& text) { return boundedText(plainTextOf(text), kMaxFieldCells); }

class Reader {
public:
    Reader(const XmlTree& tree, SourceFormat format) : m_tree(tree), m_format(format) {}

    FeedParse run() {
        const XmlElement& root = m_tree.root();
        const std::wstring& ns = m_tree.nsOf(root);
        const bool rss = root.name == L"rss" || root.name == L"RDF";
        const bool atom = root.name == L"feed" && ns == kAtom;
        const bool alert = root.name == L"alert" && isCap(ns);
        if (rss && (m_format == SourceFormat::Auto || m_format == SourceFormat::Rss)) {
            readRss(root);
        } else if (atom && m_format != SourceFormat::Rss) {
            readAtom(root);
        } else if (alert && (m_format == SourceFormat::Auto || m_format == SourceFormat::Cap)) {
            add(readAlert(root));
        } else {
            m_result.reason = L"the document is no " + expected() + L" (its root element is " + root.name + L")";
            return m_result;
        }
        m_result.ok = true;
        return m_result;
    }

private:
    std::wstring expected() const {
        switch (m_format) {
        case SourceFormat::Rss: return L"RSS feed";
        case SourceFormat::Atom: return L"Atom feed";
        case SourceFormat::Cap: return L"CAP alert or Atom feed of alerts";
        default: return L"RSS or Atom feed or CAP alert";
        }
    }

    void add(FeedEntry entry) {
        if (m_result.entries.size() >= kMaxFeedEntries) return;
        for (std::wstring* field : {&entry.id, &entry.title, &entry.summary, &entry.author, &entry.area, &entry.event})
            *field = plain(*field);
        m_result.entries.push_back(std::move(entry));
    }

    void readRss(const XmlElement& root) {
        // RSS 2.0 has its items in channel; RSS 1.0 beside it, in its own namespace.
        const XmlElement* channel = m_tree.child(root, L"channel", m_tree.nsOf(root));
        const XmlElement& holder = root.name == L"rss" && channel ? *channel : root;
        for (size_t index : holder.children) {
            const XmlElement& item = m_tree.elements[index];
            const std::wstring& ns = m_tree.nsOf(item);
            if (item.name != L"item" || (ns != L"" && ns != kRss1)) continue;
            FeedEntry entry;
            entry.title = m_tree.childText(item, L"title", ns);
            entry.id = m_tree.childText(item, L"guid", ns);
            entry.summary = m_tree.childText(item, L"description", ns);
            entry.author = m_tree.childText(item, L"author", ns);
            if (entry.author.empty()) entry.author = m_tree.childText(item, L"creator", kDublinCore);
            add(std::move(entry));
        }
    }

    void readAtom(const XmlElement& feed) {
        for (size_t index : feed.children) {
            const XmlElement& item = m_tree.elements[index];
            if (item.name != L"entry" || m_tree.nsOf(item) != kAtom) continue;
            FeedEntry entry;
            entry.title = m_tree.childText(item, L"title", kAtom);
            entry.id = m_tree.childText(item, L"id", kAtom);
            entry.summary = m_tree.childText(item, L"content", kAtom);
            if (entry.summary.empty()) entry.summary = m_tree.childText(item, L"summary", kAtom);
            if (const XmlElement* author = m_tree.child(item, L"author", kAtom))
                entry.author = m_tree.childText(*author, L"name", kAtom);
            if (m_format != SourceFormat::Atom) addCapFields(item, entry);
            add(std::move(entry));
        }
    }

    // The CAP side of an Atom entry: an alert inside it, or CAP elements of the entry itself.
    void addCapFields(const XmlElement& item, FeedEntry& entry) const {
        if (const XmlElement* alert = findAlert(item)) {
            const FeedEntry fromAlert = readAlert(*alert);
            for (auto field : {&FeedEntry::id, &FeedEntry::title, &FeedEntry::summary, &FeedEntry::author,
                               &FeedEntry::area, &FeedEntry::event})
                if (!(fromAlert.*field).empty()) entry.*field = fromAlert.*field;
            return;
        }
        for (size_t index : item.children) {
            const XmlElement& element = m_tree.elements[index];
            if (!isCap(m_tree.nsOf(element))) continue;
            if (element.name == L"event") entry.event = m_tree.deepText(element);
            if (element.name == L"areaDesc") entry.area = m_tree.deepText(element);
        }
    }

    const XmlElement* findAlert(const XmlElement& item) const {
        for (size_t index : item.children) {
            const XmlElement& element = m_tree.elements[index];
            if (element.name != L"content" || m_tree.nsOf(element) != kAtom) continue;
            for (size_t inner : element.children) {
                const XmlElement& alert = m_tree.elements[inner];
                if (alert.name == L"alert" && isCap(m_tree.nsOf(alert))) return &alert;
            }
        }
        return nullptr;
    }

    FeedEntry readAlert(const XmlElement& alert) const {
        const std::wstring& ns = m_tree.nsOf(alert);
        FeedEntry entry;
        entry.id = m_tree.childText(alert, L"identifier", ns);
        entry.author = m_tree.childText(alert, L"sender", ns);
        const XmlElement* chosen = nullptr;
        for (size_t index : alert.children) {
            const XmlElement& info = m_tree.elements[index];
            if (info.name != L"info" || m_tree.nsOf(info) != ns) continue;
            if (!chosen) chosen = &info;
            const std::wstring language = m_tree.childText(info, L"language", ns);
            if (language.compare(0, 2, L"ja") == 0) {
                chosen = &info;
                break;
            }
        }
        if (!chosen) return entry;
        entry.event = m_tree.childText(*chosen, L"event", ns);
        entry.title = m_tree.childText(*chosen, L"headline", ns);
        if (entry.title.empty()) entry.title = entry.event;
        entry.summary = m_tree.childText(*chosen, L"description", ns);
        const std::wstring sender = m_tree.childText(*chosen, L"senderName", ns);
        if (!sender.empty()) entry.author = sender;
        for (size_t index : chosen->children) {
            const XmlElement& area = m_tree.elements[index];
            if (area.name != L"area" || m_tree.nsOf(area) != ns) continue;
            const std::wstring description = m_tree.childText(area, L"areaDesc", ns);
            if (description.empty()) continue;
            if (!entry.area.empty()) entry.area += L"、";
            entry.area += description;
        }
        return entry;
    }

    const XmlTree& m_tree;
    SourceFormat m_format;
    FeedParse m_result;
};
}  // namespace

FeedParse parseXmlFeed(const std::string& bytes, const std::string& contentType, SourceFormat format) {
    FeedParse result;
    const XmlText text = xmlTextFromBytes(bytes, contentType);
    if (!text.ok) {
        result.reason = text.reason;
        return result;
    }
    XmlTree tree;
    result.reason = readXmlTree(text.text, tree);
    if (!result.reason.empty()) return result;
    return Reader(tree, format).run();
}
