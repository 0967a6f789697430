#pragma once

#include <optional>
#include <string>

namespace lymn {

// The value of an editor control: Null (no value) or a text. The pickers' placeholder item holds
// Null, their other items and the texts of the edits and labels hold texts.
class EditValue {
  public:
    enum class Kind { Null, Text };

    EditValue() = default;
    static EditValue null() { return {}; }
    EditValue(std::string text) : text_(std::move(text)) {}
    EditValue(const char* text) : text_(std::string(text)) {}

    Kind kind() const { return text_ ? Kind::Text : Kind::Null; }
    bool isNull() const { return !text_; }
    // The value as text: Null as "".
    std::string asText() const { return text_.value_or(std::string()); }

    // The exact equality of the edit controls: Null equals Null only, texts compare
    // case-sensitively.
    friend bool exactlyEqual(const EditValue& a, const EditValue& b) { return a.text_ == b.text_; }

  private:
    std::optional<std::string> text_;
};

}  // namespace lymn
