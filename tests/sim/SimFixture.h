#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>

#include "sim/CodeTables.h"
#include "store/CsvTable.h"
#include "store/DataFileBuilder.h"
#include "tools/lymn-drive/Driver.h"

namespace lymn::test {

// The program with a data file of our own: every pair 14, 10, 7, 11, except the rows given.
class SimFixture : public ::testing::Test {
  protected:
    using Row = std::array<int, 4>;

    void SetUp() override {
        dir = std::filesystem::temp_directory_path() /
              ("lymn-sim-" + std::to_string(::getpid()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir);
    }
    void TearDown() override {
        driver.reset();
        std::filesystem::remove_all(dir);
    }

    // Starts the program; rows overrides pairs ("zy/js"), and a row of -1s leaves the pair out.
    void start(const std::map<std::string, Row>& rows = {}) {
        std::string csv = "zy,js,ll,tp,ys,jg\n";
        for (size_t p = 1; p < sim::ProfessionTable.size(); ++p)
            for (size_t a = 1; a < sim::AppearanceTable.size(); ++a) {
                const std::string zy(sim::ProfessionTable[p].code),
                    js(sim::AppearanceTable[a].code);
                std::string pair = zy;
                pair.append("/").append(js);
                Row r{14, 10, 7, 11};
                auto it = rows.find(pair);
                if (it != rows.end()) r = it->second;
                if (r[0] < 0) continue;
                csv.append(zy).append(",").append(js);
                for (int v : r) csv.append(",").append(std::to_string(v));
                csv.append("\n");
            }
        store::CodeSets codes;
        for (size_t p = 1; p < sim::ProfessionTable.size(); ++p)
            codes.professions.emplace_back(sim::ProfessionTable[p].code);
        for (size_t a = 1; a < sim::AppearanceTable.size(); ++a)
            codes.appearances.emplace_back(sim::AppearanceTable[a].code);
        store::buildDataFile(store::CsvTable::parse(csv), codes, dir / "lymn.mdb", false);
        driver = std::make_unique<tools::Driver>(dir, out, err);
        out.str("");
    }

    // Runs script lines and returns what they printed.
    std::string run(const std::string& script) {
        out.str("");
        std::istringstream in(script);
        for (std::string line; std::getline(in, line);)
            EXPECT_TRUE(driver->run(line)) << line << ": " << err.str();
        return out.str();
    }
    // One value of the dump.
    std::string value(const std::string& name) {
        const std::string d = run("dump");
        const auto at = d.find("\n" + name + "=");
        const auto start = at == std::string::npos
                               ? (d.rfind(name + "=", 0) == 0 ? 0 : std::string::npos)
                               : at + 1;
        if (start == std::string::npos) return "?";
        const auto eq = d.find('=', start);
        return d.substr(eq + 1, d.find('\n', eq) - eq - 1);
    }
    // The entries of the dump that differ between two dumps, as "name=value" of the second,
    // in the dump's order.
    static std::string changes(const std::string& before, const std::string& after) {
        std::istringstream a(before), b(after);
        std::string out;
        for (std::string x, y; std::getline(a, x) && std::getline(b, y);)
            if (x != y) out += (out.empty() ? "" : " ") + y;
        return out;
    }
    // What one script line changes in the dump.
    std::string changesOf(const std::string& line) {
        const std::string before = run("dump");
        run(line);
        return changes(before, run("dump"));
    }
    TFormLy& form() { return driver->form(); }

    std::filesystem::path dir;
    std::ostringstream out;
    std::ostringstream err;
    std::unique_ptr<tools::Driver> driver;
};

}  // namespace lymn::test
