#include "editors/EditValue.h"

#include <cstdio>

namespace lymn {

EditValue::Kind EditValue::kind() const {
    switch (v_.index()) {
        case 0:
            return Kind::Null;
        case 1:
            return Kind::Empty;
        case 2:
            return Kind::Text;
        case 3:
            return Kind::Integer;
        case 4:
            return Kind::Float;
        case 5:
            return Kind::Boolean;
        default:
            return Kind::Date;
    }
}

std::string EditValue::asText() const {
    switch (kind()) {
        case Kind::Text:
            return std::get<std::string>(v_);
        case Kind::Integer:
            return std::to_string(std::get<int64_t>(v_));
        case Kind::Float: {
            char buf[32];
            std::snprintf(buf, sizeof buf, "%.15g", std::get<double>(v_));
            return buf;
        }
        case Kind::Boolean:
            return std::get<bool>(v_) ? "True" : "False";
        case Kind::Date: {
            char buf[32];
            std::snprintf(buf, sizeof buf, "%.15g", std::get<Date>(v_).days);
            return buf;
        }
        default:
            return {};
    }
}

bool exactlyEqual(const EditValue& a, const EditValue& b) {
    const auto ka = a.kind(), kb = b.kind();
    const bool na = ka == EditValue::Kind::Integer || ka == EditValue::Kind::Float;
    const bool nb = kb == EditValue::Kind::Integer || kb == EditValue::Kind::Float;
    if (na && nb) {
        auto number = [](const EditValue& v) {
            return v.kind() == EditValue::Kind::Integer
                       ? static_cast<long double>(std::get<int64_t>(v.v_))
                       : static_cast<long double>(std::get<double>(v.v_));
        };
        return number(a) == number(b);
    }
    return a.v_ == b.v_;
}

}  // namespace lymn
