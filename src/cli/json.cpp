// JSON text: strings are UTF-8 passed through, with quotes, backslashes and controls escaped.
#include "json.h"

#include <cstdio>
#include <ostream>

namespace vyn::cli {

std::string JsonString(std::string_view text) {
    std::string out = "\"";
    for (char c : text) {
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                char buf[8];
                std::snprintf(buf, sizeof buf, "\\u%04x", static_cast<unsigned>(c));
                out += buf;
            } else {
                out.push_back(c);
            }
        }
    }
    out.push_back('"');
    return out;
}

std::string JsonList(const std::vector<std::string>& items) {
    std::string out = "[";
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i)
            out += ", ";
        out += JsonString(items[i]);
    }
    return out + "]";
}

JsonObject& JsonObject::raw(std::string_view key, std::string value) {
    members_.emplace_back(std::string(key), [v = std::move(value)](std::ostream& o) { o << v; });
    return *this;
}
JsonObject& JsonObject::add(std::string_view key, std::function<void(std::ostream&)> writer) {
    members_.emplace_back(std::string(key), std::move(writer));
    return *this;
}
JsonObject& JsonObject::add(std::string_view key, std::string_view value) {
    return raw(key, JsonString(value));
}
JsonObject& JsonObject::add(std::string_view key, const std::vector<std::string>& values) {
    return raw(key, JsonList(values));
}
JsonObject& JsonObject::add(std::string_view key, long long value) {
    return raw(key, std::to_string(value));
}
JsonObject& JsonObject::add(std::string_view key, bool value) {
    return raw(key, value ? "true" : "false");
}

void JsonObject::write(std::ostream& out) const {
    out << "{\n";
    for (std::size_t i = 0; i < members_.size(); ++i) {
        out << "  " << JsonString(members_[i].first) << ": ";
        members_[i].second(out);
        out << (i + 1 < members_.size() ? ",\n" : "\n");
    }
    out << "}";
}

} // namespace vyn::cli
