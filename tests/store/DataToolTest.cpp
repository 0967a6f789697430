#include <gtest/gtest.h>

#include <sstream>

#include "store/DataFileHeader.h"
#include "tests/store/StoreFixture.h"
#include "tools/lymn-data/DataTool.h"

namespace lymn {
namespace {

class DataTool : public test::StoreFixture {
  protected:
    int run(std::vector<std::string> args) {
        out.str("");
        err.str("");
        return tools::runDataTool(args, out, err);
    }
    // The shipped CSV with some lines changed.
    std::string sample() {
        std::ifstream in(std::string(LYMN_SOURCE_DIR) + "/data/t_js.csv");
        return {std::istreambuf_iterator<char>(in), {}};
    }
    std::string csv(const std::string& name, const std::string& text) {
        writeText(dir / name, text);
        return (dir / name).string();
    }
    std::ostringstream out;
    std::ostringstream err;
};

TEST_F(DataTool, BuildsTheShippedDataAndChecksIt) {
    const std::string in = csv("t.csv", sample());
    const std::string db = (dir / "lymn.mdb").string();
    EXPECT_EQ(run({"build", "--strict", in, db}), 0) << err.str();
    EXPECT_EQ(head(db), block(store::kMarker));
    EXPECT_EQ(run({"check", db}), 0);
    EXPECT_EQ(out.str(),
              "header: marker\npassword: accepted\nrows: 160\nmissing pairs: none\nduplicate "
              "pairs: none\n"
              "usable: yes\n");
    // The shipped file of the build is the same data.
    EXPECT_EQ(run({"check", shippedFile().string()}), 0);
    // Dump gives the CSV back, whichever header the file carries.
    EXPECT_EQ(run({"dump", db}), 0);
    const std::string dumped = out.str();
    EXPECT_EQ(dumped, sample());
    store::RestoreDataFileHeader(db);
    EXPECT_EQ(run({"dump", db}), 0);
    EXPECT_EQ(out.str(), dumped);
    EXPECT_EQ(run({"check", db}), 0);
    EXPECT_EQ(out.str().substr(0, 18), "header: signature\n");
}

TEST_F(DataTool, RefusesBadRowsWithTheirLineAndWritesNothing) {
    const std::string db = (dir / "out.db").string();
    auto refused = [&](const std::string& text) {
        EXPECT_EQ(run({"build", csv("bad.csv", text), db}), 1);
        EXPECT_FALSE(files::exists(db));
        EXPECT_FALSE(files::exists(db + ".building"));
        return err.str();
    };
    const std::string header = "zy,js,ll,tp,ys,jg\n";
    EXPECT_NE(refused(header + "yj,ss,14,10,7,11\nxx,ss,1,2,3,4\n")
                  .find("line 3: 'xx' is not a profession code"),
              std::string::npos);
    EXPECT_NE(refused(header + "yj,tj,14,10,7,11\nyj,ghost,1,2,3,4\n")
                  .find("line 3: 'ghost' is not an appearance code"),
              std::string::npos);
    EXPECT_NE(refused(header + "\nyj,ss,14,ten,7,11\n")
                  .find("line 3: tp: 'ten' is not a valid integer value"),
              std::string::npos);
    EXPECT_NE(refused(header + "yj,ss,14,10,7,2147483648\n")
                  .find("line 2: jg: '2147483648' is not a valid integer value"),
              std::string::npos);
    EXPECT_NE(refused(header + "yj,ss,14,10,7\n").find("line 2: expected 6 fields, found 5"),
              std::string::npos);
    EXPECT_NE(refused(header + "yj,\"ss,14,10,7,11\n").find("line 2: a quoted field is not closed"),
              std::string::npos);
    EXPECT_NE(
        refused("zy,js,ll,tp,jg,ys\n").find("line 1: the header must start with zy,js,ll,tp,ys,jg"),
        std::string::npos);
    EXPECT_NE(
        refused("zy,js,ll,tp,ys,jg,bad name\n").find("line 1: 'bad name' is not a column name"),
        std::string::npos);
    // A file that is already there stays as it was.
    writeText(db, "keep");
    EXPECT_EQ(run({"build", csv("bad.csv", header + "yj,ss,a,1,1,1\n"), db}), 1);
    EXPECT_EQ(bytes(db), std::vector<uint8_t>({'k', 'e', 'e', 'p'}));
}

TEST_F(DataTool, WarnsAboutMissingAndDuplicatePairsAndStrictRefusesThem) {
    std::string text = sample();
    text += "yj,ss,1,1,1,1\n";  // a duplicate
    text.erase(text.find("zd,wwl"),
               text.find('\n', text.find("zd,wwl")) - text.find("zd,wwl") + 1);  // a gap
    const std::string in = csv("t.csv", text);
    const std::string db = (dir / "w.db").string();
    EXPECT_EQ(run({"build", in, db}), 0);
    EXPECT_NE(err.str().find("warning: missing pair zd/wwl"), std::string::npos) << err.str();
    EXPECT_NE(err.str().find("warning: duplicate pair yj/ss"), std::string::npos);
    EXPECT_EQ(run({"check", db}), 0);  // usable all the same
    EXPECT_NE(out.str().find("missing pairs: 1 zd/wwl\nduplicate pairs: 1 yj/ss\n"),
              std::string::npos)
        << out.str();
    files::remove(db);
    EXPECT_EQ(run({"build", "--strict", in, db}), 1);
    EXPECT_FALSE(files::exists(db));
}

TEST_F(DataTool, KeepsExtraColumnsAndQuotesFields) {
    const std::string in =
        csv("x.csv", "zy,js,ll,tp,ys,jg,note\r\nyj,ss,14,10,7,11,\"a, \"\"quoted\"\" note\"\r\n");
    const std::string db = (dir / "x.db").string();
    EXPECT_EQ(run({"build", in, db}), 0);
    EXPECT_EQ(run({"dump", db}), 0);
    EXPECT_EQ(out.str(), "zy,js,ll,tp,ys,jg,note\nyj,ss,14,10,7,11,\"a, \"\"quoted\"\" note\"\n");
}

TEST_F(DataTool, CheckRefusesFilesTheProgramCannotUse) {
    writeText(dir / "junk", std::string(500, 'j'));
    EXPECT_EQ(run({"check", (dir / "junk").string()}), 1);
    EXPECT_NE(out.str().find("header: unknown\n"), std::string::npos);
    EXPECT_NE(out.str().find("usable: no"), std::string::npos);
    sqlFile("pw.db",
            {"create table t_js (zy, js, ll, tp, ys, jg)", "create table lymn_password (password)",
             "insert into lymn_password values ('other')"});
    EXPECT_EQ(run({"check", (dir / "pw.db").string()}), 1);
    EXPECT_NE(out.str().find("password: rejected"), std::string::npos);
    sqlFile("notable.db", {"create table other (a)"});
    EXPECT_EQ(run({"check", (dir / "notable.db").string()}), 1);
    EXPECT_NE(out.str().find("table t_js: missing"), std::string::npos);
    EXPECT_EQ(run({"check", (dir / "nothing").string()}), 1);
    EXPECT_NE(err.str().find("Cannot open file"), std::string::npos);
    EXPECT_EQ(run({"--help"}), 0);
    EXPECT_NE(out.str().find("usage: lymn-data build"), std::string::npos);
    EXPECT_EQ(run({"frobnicate"}), 2);
    EXPECT_EQ(run({}), 2);
}

}  // namespace
}  // namespace lymn
