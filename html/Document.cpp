#include "html/Document.h"

#include <libxml/parser.h>
#include <libxml/tree.h>

#include "html/InputFile.h"

namespace kxdf_html {

std::string Node::attr(const std::string& key) const {
  const auto it = attrs.find(key);
  return it == attrs.end() ? std::string() : it->second;
}

std::string Node::textContent() const {
  if (isText) return text;
  std::string out;
  for (const Node& child : children) out += child.textContent();
  return out;
}

namespace {

std::string str(const xmlChar* s) { return s ? reinterpret_cast<const char*>(s) : ""; }

Node textNode(std::string text) {
  Node node;
  node.isText = true;
  node.text = std::move(text);
  return node;
}

// The value of an attribute, its entity references kept as written like
// those of the content: expanding them could take any amount of memory.
std::string attributeValue(const xmlAttr* a) {
  std::string value;
  for (const xmlNode* c = a->children; c; c = c->next) {
    if (c->type == XML_TEXT_NODE) value += str(c->content);
    else if (c->type == XML_ENTITY_REF_NODE) value += "&" + str(c->name) + ";";
  }
  return value;
}

Node convert(xmlNode* element) {
  Node node;
  node.name = str(element->name);
  for (xmlAttr* a = element->properties; a; a = a->next) {
    node.attrs[str(a->name)] = attributeValue(a);
  }
  for (xmlNode* c = element->children; c; c = c->next) {
    if (c->type == XML_ELEMENT_NODE) {
      node.children.push_back(convert(c));
    } else if (c->type == XML_TEXT_NODE || c->type == XML_CDATA_SECTION_NODE) {
      node.children.push_back(textNode(str(c->content)));
    } else if (c->type == XML_ENTITY_REF_NODE) {
      // Entities are not expanded (no file is read, no expansion can blow
      // up); the reference is shown as written.
      node.children.push_back(textNode("&" + str(c->name) + ";"));
    }
  }
  return node;
}

// Keeps the parser's first error: later ones are mostly its consequences.
void keepFirstError(void* data, xmlErrorPtr e) {
  auto* first = static_cast<std::string*>(data);
  if (!first->empty() || !e || e->level < XML_ERR_ERROR) return;
  if (e->code == XML_ERR_NO_MEMORY) {
    *first = "too large for the memory at hand";
    return;
  }
  std::string message = e->message ? e->message : "";
  while (!message.empty() && (message.back() == '\n' || message.back() == ' ')) message.pop_back();
  *first = "not well-formed (line " + std::to_string(e->line) + ": " + message + ")";
}

}  // namespace

LoadedDocument parseDocument(const std::string& xml, const std::string& url) {
  LoadedDocument result;
  xmlParserCtxtPtr ctxt = xmlNewParserCtxt();
  if (!ctxt) {
    result.error = "out of memory";
    return result;
  }
  std::string firstError;
  xmlSetStructuredErrorFunc(&firstError, keepFirstError);
  xmlDocPtr doc = xmlCtxtReadMemory(ctxt, xml.data(), static_cast<int>(xml.size()), url.c_str(),
                                    nullptr, XML_PARSE_NONET | XML_PARSE_NOWARNING);
  xmlSetStructuredErrorFunc(nullptr, nullptr);
  if (!doc || !ctxt->wellFormed) {
    result.error = firstError.empty() ? "not well-formed" : firstError;
    if (doc) xmlFreeDoc(doc);
  } else {
    xmlNode* root = xmlDocGetRootElement(doc);
    if (!root || str(root->name) != "section") {
      result.error = "not a report document (its root element is not a section)";
    } else {
      result.root = convert(root);
      result.ok = true;
    }
    xmlFreeDoc(doc);
  }
  xmlFreeParserCtxt(ctxt);
  return result;
}

LoadedDocument loadDocument(const std::string& path) {
  LoadedDocument result;
  const InputFile file = readRegularFile(path, kMaxDocumentBytes);
  if (!file.ok) {
    result.error = file.error;
    return result;
  }
  return parseDocument(file.content, path);
}

}  // namespace kxdf_html
