#pragma once
// Element names of SpreadsheetML parts compared without their namespace prefix:
// most workbooks use the default namespace, some write "x:row".
#include <QByteArray>
#include <cstring>
#include <pugixml.hpp>

namespace excel::xml {

inline const char* localName(const char* name) {
    const char* colon = std::strrchr(name, ':');
    return colon ? colon + 1 : name;
}

inline bool named(pugi::xml_node node, const char* local) {
    return node.type() == pugi::node_element && std::strcmp(localName(node.name()), local) == 0;
}

inline pugi::xml_node child(pugi::xml_node parent, const char* local) {
    for (pugi::xml_node node : parent.children())
        if (named(node, local))
            return node;
    return {};
}

// The name for a new element under parent: the same prefix as the parent's.
inline QByteArray nameUnder(pugi::xml_node parent, const char* local) {
    const char* name = parent.name();
    const char* colon = std::strrchr(name, ':');
    return colon ? QByteArray(name, colon - name + 1) + local : QByteArray(local);
}

} // namespace excel::xml
