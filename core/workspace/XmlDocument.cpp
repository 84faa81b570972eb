#include "workspace/XmlDocument.h"

#include "util/Error.h"
#include "util/TextFile.h"
#include "workspace/XmlEncoding.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <pugixml.hpp>
#include <sstream>

namespace quorlex {

namespace {

// The line, counted from 1, of a position in the document.
std::string LineOf(const std::string& bytes, size_t offset) {
    offset = std::min(offset, bytes.size());
    return std::to_string(1 + std::count(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(offset), '\n'));
}

} // namespace

struct XmlDocument::Impl {
    pugi::xml_document doc;
    std::string fileName;
    std::string source;                       // as parsed, for the line of a finding
    XmlEncoding encoding = XmlEncoding::Utf8; // the file's own, kept when saving
    std::string lineEnd = "\n";               // between top-level nodes when saving

    [[noreturn]] void Fail(const std::string& what) const {
        throw Error("Error reading \"" + fileName + "\": " + what);
    }

    pugi::xml_node Container() const {
        const pugi::xml_node root = doc.document_element();
        pugi::xml_node first = root.first_child();
        while (first && (first.type() == pugi::node_comment || first.type() == pugi::node_pi ||
                         (first.type() == pugi::node_pcdata && IsBlank(first.value()))))
            first = first.next_sibling();
        if (!root || first.type() != pugi::node_element)
            Fail("the document element has no container element.");
        return first;
    }

    static bool IsBlank(const char* text) {
        for (; *text; ++text)
            if (static_cast<unsigned char>(*text) > 32)
                return false;
        return true;
    }

    std::string FieldValue(pugi::xml_node item, const std::string& field) const {
        const pugi::xml_node element = item.child(field.c_str());
        if (!element)
            return {};
        const pugi::xml_node text = element.first_child();
        if (!text)
            return {};
        const bool plain = text.type() == pugi::node_pcdata || text.type() == pugi::node_cdata;
        if (!plain || text.next_sibling())
            Fail("line " + LineOf(source, static_cast<size_t>(std::max<std::ptrdiff_t>(0, element.offset_debug()))) +
                 ": the element \"" + field + "\" holds more than text.");
        return text.value();
    }
};

XmlDocument::XmlDocument(std::unique_ptr<Impl> impl) : m_impl(std::move(impl)) {}
XmlDocument::~XmlDocument() = default;
XmlDocument::XmlDocument(XmlDocument&&) noexcept = default;

namespace {

// pugixml keeps a bare "&" as text; XML forbids it. Offset of the first one, or npos.
size_t FindBareAmpersand(const std::string& bytes) {
    static const std::pair<const char*, const char*> skipped[] = {
        {"<!--", "-->"}, {"<![CDATA[", "]]>"}, {"<?", "?>"}, {"<!DOCTYPE", "]>"}};
    for (size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '<') {
            for (const auto& [open, close] : skipped) {
                if (bytes.compare(i, std::strlen(open), open) != 0)
                    continue;
                const size_t end = bytes.find(close, i + std::strlen(open));
                i = end == std::string::npos ? bytes.size() : end + std::strlen(close) - 1;
                break;
            }
        } else if (bytes[i] == '&' && XmlReferenceLength(bytes, i) == 0) {
            return i;
        }
    }
    return std::string::npos;
}

} // namespace

XmlDocument XmlDocument::Load(const fs::path& file, bool keepLayout) {
    auto impl = std::make_unique<Impl>();
    impl->fileName = file.string();
    std::string raw = ReadFileBytes(file);
    impl->encoding = DetectXmlEncoding(raw);
    impl->source = DecodeXmlToUtf8(std::move(raw), impl->encoding);
    const std::string& bytes = impl->source;
    const size_t ampersand = FindBareAmpersand(bytes);
    if (ampersand != std::string::npos)
        impl->Fail("line " + LineOf(bytes, ampersand) +
                   ": a \"&\" that starts no entity reference. Write it as \"&amp;\".");
    unsigned flags = pugi::parse_default | pugi::parse_declaration;
    if (keepLayout) {
        flags |= pugi::parse_comments | pugi::parse_pi | pugi::parse_ws_pcdata | pugi::parse_doctype;
        flags &= ~pugi::parse_eol;
        if (bytes.find("\r\n") != std::string::npos)
            impl->lineEnd = "\r\n";
    }
    const pugi::xml_parse_result result = impl->doc.load_buffer(bytes.data(), bytes.size(), flags, pugi::encoding_utf8);
    if (!result)
        impl->Fail("line " + LineOf(bytes, static_cast<size_t>(result.offset)) + ": " + result.description() + ".");
    if (!impl->doc.document_element())
        impl->Fail("no document element.");
    return XmlDocument(std::move(impl));
}

void XmlDocument::ForEachItem(const std::vector<std::string>& fields,
                              const std::function<void(const ItemValues&)>& onItem, bool itemsOptional) const {
    const pugi::xml_node item = m_impl->Container().child("item");
    if (!item) {
        if (itemsOptional)
            return;
        m_impl->Fail("the container holds no \"item\" element.");
    }
    ItemValues values(fields.size());
    for (pugi::xml_node node = item; node; node = node.next_sibling()) {
        if (node.type() != pugi::node_element)
            continue;
        for (size_t i = 0; i < fields.size(); ++i)
            values[i] = m_impl->FieldValue(node, fields[i]);
        onItem(values);
    }
}

std::vector<XmlItem> XmlDocument::Items() const {
    const auto lineOf = [&](pugi::xml_node node) {
        return static_cast<size_t>(
            std::stoul(LineOf(m_impl->source, static_cast<size_t>(std::max<std::ptrdiff_t>(0, node.offset_debug())))));
    };
    std::vector<XmlItem> items;
    for (pugi::xml_node node = m_impl->Container().child("item"); node; node = node.next_sibling()) {
        if (node.type() != pugi::node_element)
            continue;
        XmlItem& item = items.emplace_back();
        item.line = lineOf(node);
        for (pugi::xml_node field = node.first_child(); field; field = field.next_sibling())
            if (field.type() == pugi::node_element)
                item.fields.push_back({field.name(), lineOf(field)});
    }
    return items;
}

void XmlDocument::SetItems(const std::vector<std::string>& fields, const std::vector<ItemValues>& rows) {
    pugi::xml_node node = m_impl->Container().child("item");
    for (size_t row = 0; node && row < rows.size(); node = node.next_sibling()) {
        if (node.type() != pugi::node_element)
            continue;
        for (size_t i = 0; i < fields.size() && i < rows[row].size(); ++i) {
            pugi::xml_node element = node.child(fields[i].c_str());
            // An optional field the item lacks stays out while it has no value.
            if (!element && rows[row][i].empty())
                continue;
            if (!element)
                element = node.append_child(fields[i].c_str());
            while (element.first_child())
                element.remove_child(element.first_child());
            element.append_child(pugi::node_pcdata).set_value(rows[row][i].c_str());
        }
        ++row;
    }
}

void XmlDocument::CdataToText() {
    std::vector<pugi::xml_node> pending{m_impl->doc};
    while (!pending.empty()) {
        pugi::xml_node node = pending.back();
        pending.pop_back();
        for (pugi::xml_node child = node.first_child(); child; child = child.next_sibling()) {
            if (child.type() == pugi::node_cdata) {
                pugi::xml_node text = node.insert_child_before(pugi::node_pcdata, child);
                text.set_value(child.value());
                node.remove_child(child);
                child = text;
            } else if (child.type() == pugi::node_element) {
                pending.push_back(child);
            }
        }
    }
}

std::string XmlDocument::Serialize() const {
    // pugixml keeps no text between top-level nodes: each goes on a line of its own.
    std::ostringstream out;
    for (pugi::xml_node node = m_impl->doc.first_child(); node; node = node.next_sibling()) {
        node.print(out, "", pugi::format_raw, pugi::encoding_utf8);
        out << m_impl->lineEnd;
    }
    return EncodeXmlFromUtf8(out.str(), m_impl->encoding);
}

void WriteItemsFile(const fs::path& skeleton, const fs::path& target, const std::vector<std::string>& fields,
                    const std::vector<ItemValues>& rows) {
    XmlDocument doc = XmlDocument::Load(skeleton, true);
    doc.SetItems(fields, rows);
    WriteFileAtomic(target, doc.Serialize());
}

} // namespace quorlex
