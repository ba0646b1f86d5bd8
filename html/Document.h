#ifndef HTML_DOCUMENT_H
#define HTML_DOCUMENT_H

#include <cstddef>
#include <map>
#include <string>
#include <vector>

namespace kxdf_html {

// One node of a report document: an element with its local name,
// attributes and children, or a run of character data.  Comments and
// processing instructions are not kept.  All text is UTF-8.
struct Node {
  bool isText = false;
  std::string name;                           // element local name ("h3", "filelink")
  std::map<std::string, std::string> attrs;   // attribute local name to value
  std::string text;                           // character data of a text node
  std::vector<Node> children;

  // The value of an attribute, empty when absent.
  std::string attr(const std::string& key) const;
  // The concatenated character data of this node and its descendants.
  std::string textContent() const;
};

// A parsed report document, or why it could not be read.
struct LoadedDocument {
  bool ok = false;
  std::string error;  // one line, without the file name
  Node root;          // the section element
};

// The largest document read: its tree takes some twenty times its size.
constexpr size_t kMaxDocumentBytes = size_t{512} << 20;

// Reads the document at path with libxml2 (no network, no entity
// expansion).  A missing or unreadable file, a document that is not
// well-formed or whose root is not a section element gives ok == false, as
// does one that is not a regular file or is larger than kMaxDocumentBytes.
LoadedDocument loadDocument(const std::string& path);

// Parses a document held in memory; used by loadDocument and the tests.
LoadedDocument parseDocument(const std::string& xml, const std::string& url);

}  // namespace kxdf_html

#endif
