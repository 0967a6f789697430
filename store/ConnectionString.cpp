#include "store/ConnectionString.h"

#include <algorithm>
#include <cctype>

namespace lymn::store {

std::string dataConnectionString(const std::filesystem::path& dataFile) {
    return "Provider=Microsoft.Jet.OLEDB.4.0;Data Source='" + dataFile.string() +
           "';Persist Security Info=False;Jet OLEDB:Database Password=" + kDatabasePassword;
}

namespace {

std::string lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return std::tolower(c); });
    return s;
}

std::string trim(const std::string& s) {
    const auto b = s.find_first_not_of(' ');
    if (b == std::string::npos) return {};
    return s.substr(b, s.find_last_not_of(' ') - b + 1);
}

}  // namespace

ConnectionString::ConnectionString(const std::string& text) {
    size_t i = 0;
    while (i < text.size()) {
        const size_t eq = text.find('=', i);
        if (eq == std::string::npos) break;
        const std::string key = lower(trim(text.substr(i, eq - i)));
        size_t j = eq + 1;
        while (j < text.size() && text[j] == ' ') ++j;
        std::string value;
        if (j < text.size() && (text[j] == '\'' || text[j] == '"')) {
            // A quoted value runs to the closing quote that ends the part (followed by ";" or the
            // end), so a path may hold ";" and quotes.
            const char q = text[j];
            size_t k = j + 1;
            size_t close = std::string::npos;
            while ((k = text.find(q, k)) != std::string::npos) {
                size_t after = k + 1;
                while (after < text.size() && text[after] == ' ') ++after;
                if (after >= text.size() || text[after] == ';') {
                    close = k;
                    break;
                }
                ++k;
            }
            if (close == std::string::npos) close = text.size();
            value = text.substr(j + 1, close - j - 1);
            i = text.find(';', std::min(close, text.size()));
        } else {
            const size_t semi = text.find(';', j);
            value = trim(text.substr(j, semi == std::string::npos ? std::string::npos : semi - j));
            i = semi;
        }
        values_[key] = value;
        if (i == std::string::npos) break;
        ++i;
    }
}

std::string ConnectionString::value(const std::string& key) const {
    auto it = values_.find(lower(key));
    return it == values_.end() ? std::string{} : it->second;
}

}  // namespace lymn::store
