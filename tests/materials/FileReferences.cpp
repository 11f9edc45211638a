#include "materials/FileReferences.h"

#include <libxml/parser.h>
#include <libxml/tree.h>

namespace orvex_test {

namespace {

std::string text(const xmlChar* value) {
    return value ? reinterpret_cast<const char*>(value) : "";
}

void collect(xmlNode* node, bool inFiles, FileReferences& refs) {
    for (; node; node = node->next) {
        if (node->type != XML_ELEMENT_NODE) {
            continue;
        }
        const std::string name = text(node->name);
        for (xmlAttr* attr = node->properties; attr; attr = attr->next) {
            const std::string attrName = text(attr->name);
            xmlChar* value = xmlNodeGetContent(attr->children);
            const std::string content = text(value);
            xmlFree(value);
            if (inFiles && name == "File" && attrName == "fileId") {
                refs.listed.insert(content);
            } else if (attrName == "fileId" || attrName == "customShaderId" || attrName == "projTextureId") {
                refs.used.insert(content);
            }
        }
        collect(node->children, inFiles || name == "Files", refs);
    }
}

} // namespace

FileReferences fileReferences(const std::string& document) {
    FileReferences refs;
    xmlDoc* doc = xmlReadMemory(document.data(), static_cast<int>(document.size()), "document.xml", nullptr,
                                XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING);
    if (doc) {
        refs.wellFormed = true;
        collect(xmlDocGetRootElement(doc), false, refs);
        xmlFreeDoc(doc);
    }
    return refs;
}

std::set<std::string> unlistedIds(const FileReferences& refs) {
    std::set<std::string> missing;
    for (const std::string& id : refs.used) {
        if (refs.listed.count(id) == 0) {
            missing.insert(id);
        }
    }
    return missing;
}

} // namespace orvex_test
