#pragma once

#include <cstdint>
#include <string>
#include <variant>

namespace lymn {

// The value of an editor control: Null, Empty (unassigned), text, integer, floating point,
// boolean or date (days since 1899-12-30, as a floating-point number).
class EditValue {
  public:
    struct Null {
        friend bool operator==(Null, Null) { return true; }
    };
    struct Empty {
        friend bool operator==(Empty, Empty) { return true; }
    };
    struct Date {
        double days = 0;
        friend bool operator==(Date, Date) = default;
    };
    enum class Kind { Null, Empty, Text, Integer, Float, Boolean, Date };

    EditValue() = default;
    static EditValue null() { return {}; }
    static EditValue empty() { return EditValue(Empty{}); }
    EditValue(std::string text) : v_(std::move(text)) {}
    EditValue(const char* text) : v_(std::string(text)) {}
    EditValue(int64_t i) : v_(i) {}
    EditValue(int i) : v_(static_cast<int64_t>(i)) {}
    EditValue(double d) : v_(d) {}
    EditValue(bool b) : v_(b) {}
    EditValue(Date d) : v_(d) {}

    Kind kind() const;
    bool isNull() const { return kind() == Kind::Null; }
    // The value as text: a text as it is, numbers in decimal, Null and Empty as "".
    std::string asText() const;

    // The exact equality of the edit controls: the same kind (any two numbers count as one
    // kind) and exactly equal; texts case-sensitively; Null equals Null, Empty equals Empty.
    friend bool exactlyEqual(const EditValue& a, const EditValue& b);

  private:
    explicit EditValue(Empty e) : v_(e) {}
    std::variant<Null, Empty, std::string, int64_t, double, bool, Date> v_;
};

}  // namespace lymn
