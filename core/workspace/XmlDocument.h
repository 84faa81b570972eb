#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace quorlex {

namespace fs = std::filesystem;

using ItemValues = std::vector<std::string>;

// The element names of an item and the lines they stand on (counted from 1), for checks.
struct XmlField {
    std::string name;
    size_t line = 0;
};
struct XmlItem {
    size_t line = 0;
    std::vector<XmlField> fields;
};

// An XML file of the package shape: document element, container (its first child), and in
// the container the first element named "item" and every element after it as items. Each
// item has one child element per field; a missing field reads as empty text. Values are
// Windows-1252 text.
class XmlDocument {
public:
    ~XmlDocument();
    XmlDocument(XmlDocument&&) noexcept;

    // Parses the file; throws Error with the parser's message. With `keepLayout` comments,
    // processing instructions and whitespace survive for writing the document back.
    static XmlDocument Load(const fs::path& file, bool keepLayout = false);

    // Calls `onItem` with the values of `fields` for each item, in document order. Throws
    // Error when the container is missing, holds no item (unless `itemsOptional`), or a
    // field holds anything other than one text or character-data section; items before
    // the fault have been handed over.
    void ForEachItem(const std::vector<std::string>& fields, const std::function<void(const ItemValues&)>& onItem,
                     bool itemsOptional = false) const;

    // The items as ForEachItem visits them, with their child elements; none when the container
    // holds no item. Throws Error when the container is missing.
    std::vector<XmlItem> Items() const;

    // Sets the fields of item n to row n; a missing field element is added to its item when it
    // has a value, so that optional fields without one leave the file as it was.
    void SetItems(const std::vector<std::string>& fields, const std::vector<ItemValues>& rows);

    // Turns every character-data section into plain text, which is written escaped.
    void CdataToText();

    // The document in its declared encoding, layout as loaded.
    std::string Serialize() const;

private:
    struct Impl;
    explicit XmlDocument(std::unique_ptr<Impl> impl);
    std::unique_ptr<Impl> m_impl;
};

// The written form of a table-shaped file: the skeleton file with each item's fields set
// from the rows, saved atomically under `target`. The skeleton itself is not changed.
void WriteItemsFile(const fs::path& skeleton, const fs::path& target, const std::vector<std::string>& fields,
                    const std::vector<ItemValues>& rows);

} // namespace quorlex
