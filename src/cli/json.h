// A small JSON writer for vyn-cli's --json output.
#pragma once

#include <functional>
#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

namespace vyn::cli {

std::string JsonString(std::string_view text);
std::string JsonList(const std::vector<std::string>& items);

// Builds one object with keys in insertion order.
class JsonObject {
  public:
    JsonObject& add(std::string_view key, std::string_view value);
    JsonObject& add(std::string_view key, const std::vector<std::string>& values);
    JsonObject& add(std::string_view key, long long value);
    JsonObject& add(std::string_view key, bool value);
    // A value written straight to the output when the object is written: long lists need
    // not be held as one text.
    JsonObject& add(std::string_view key, std::function<void(std::ostream&)> writer);
    void write(std::ostream& out) const;

  private:
    JsonObject& raw(std::string_view key, std::string value);
    std::vector<std::pair<std::string, std::function<void(std::ostream&)>>> members_;
};

} // namespace vyn::cli
