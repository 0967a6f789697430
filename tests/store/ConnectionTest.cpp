#include <gtest/gtest.h>

#include "platform/Error.h"
#include "store/ConnectionString.h"
#include "store/DataFileHeader.h"
#include "store/TADOConnection.h"
#include "store/TADOQuery.h"
#include "tests/store/StoreFixture.h"

namespace lymn::store {
namespace {

using Fixture = test::StoreFixture;
namespace fs = std::filesystem;

std::string openError(const std::string& connectionString) {
    TADOConnection con;
    con.setConnectionString(connectionString);
    try {
        con.Open();
    } catch (const Error& e) {
        EXPECT_FALSE(con.Connected());
        return e.what();
    }
    return "connected";
}

class Connection : public Fixture {
  protected:
    std::string dataWithSignature() {
        copyShipped("lymn.db");
        RestoreDataFileHeader(dir / "lymn.db");
        return (dir / "lymn.db").string();
    }
};

TEST(ConnectionStringTest, IsTheProgramsLiteralAndParsesBack) {
    const std::string s = dataConnectionString("/opt/岚渊/lymn.db");
    EXPECT_EQ(s,
              "Provider=Microsoft.Jet.OLEDB.4.0;Data Source='/opt/岚渊/lymn.db';Persist Security "
              "Info=False;"
              "Jet OLEDB:Database Password=mqz%tow318");
    ConnectionString cs(s);
    EXPECT_EQ(cs.value("provider"), "Microsoft.Jet.OLEDB.4.0");
    EXPECT_EQ(cs.value("Data Source"), "/opt/岚渊/lymn.db");
    EXPECT_EQ(cs.value("Jet OLEDB:Database Password"), "mqz%tow318");
    EXPECT_EQ(cs.value("Persist Security Info"), "False");
    // A path with ";" and a quote inside the quotes stays whole.
    ConnectionString odd(dataConnectionString("/tmp/a;b/it's/lymn.db"));
    EXPECT_EQ(odd.value("Data Source"), "/tmp/a;b/it's/lymn.db");
    EXPECT_EQ(odd.value("Jet OLEDB:Database Password"), "mqz%tow318");
    EXPECT_FALSE(ConnectionString("").has("Provider"));
}

TEST_F(Connection, OpensTheShippedFileOnceItsSignatureIsBack) {
    const std::string path = dataWithSignature();
    EXPECT_EQ(openError(dataConnectionString(path)), "connected");
}

TEST_F(Connection, RefusesEveryFileItCannotUseNamingIt) {
    const std::string missing = (dir / "none.db").string();
    EXPECT_EQ(openError(dataConnectionString(missing)), "Could not find file '" + missing + "'.");

    copyShipped("marker.db");  // the shipped file carries the marker
    const std::string marker = (dir / "marker.db").string();
    EXPECT_EQ(openError(dataConnectionString(marker)),
              "Unrecognized database format '" + marker + "'.");

    writeText(dir / "empty.db", "");
    const std::string empty = (dir / "empty.db").string();
    EXPECT_EQ(openError(dataConnectionString(empty)),
              "Unrecognized database format '" + empty + "'.");

    // Random bytes behind the standard signature.
    std::string junk(std::begin(kStandardSignature), std::end(kStandardSignature));
    for (int i = 0; i < 8192; ++i) junk.push_back(static_cast<char>((i * 7919 + 13) & 0xFF));
    writeText(dir / "junk.db", junk);
    const std::string junkPath = (dir / "junk.db").string();
    EXPECT_EQ(openError(dataConnectionString(junkPath)),
              "Unrecognized database format '" + junkPath + "'.");

    // A truncated file: the first kilobyte of a good one.
    auto good = bytes(dataWithSignature());
    good.resize(1024);
    files::writeAll(dir / "cut.db", good);
    const std::string cut = (dir / "cut.db").string();
    EXPECT_EQ(openError(dataConnectionString(cut)), "Unrecognized database format '" + cut + "'.");

    fs::create_directory(dir / "folder.db");
    const std::string folder = (dir / "folder.db").string();
    EXPECT_EQ(openError(dataConnectionString(folder)),
              "The Microsoft Jet database engine cannot open the file '" + folder +
                  "'. It is already opened exclusively by another user, or you need permission to "
                  "view its data.");
}

TEST_F(Connection, RefusesAWrongPasswordProviderOrNoConnectionString) {
    const std::string path = dataWithSignature();
    std::string wrong = dataConnectionString(path);
    wrong.replace(wrong.find("mqz%tow318"), 10, "mqz%tow319");
    EXPECT_EQ(openError(wrong), "Not a valid password.");
    std::string provider = dataConnectionString(path);
    provider.replace(provider.find("Jet.OLEDB.4.0"), 13, "ACE.OLEDB.12.0");
    EXPECT_EQ(openError(provider), "Provider cannot be found. It may not be properly installed.");
    EXPECT_EQ(openError(""),
              "[Microsoft][ODBC Driver Manager] Data source name not found and no default driver "
              "specified");
}

TEST_F(Connection, AnOpenConnectionIsNotDisturbedByLaterChangesOfTheFile) {
    const std::string path = dataWithSignature();
    TADOConnection con;
    con.setConnectionString(dataConnectionString(path));
    con.Open();
    HideDataFileHeader(path);
    files::writeAll(path, std::vector<uint8_t>(100, 0));
    TADOQuery q("ADOTemp", con);
    RunQuery(q, " select * from t_js where zy = 'yj' and js = 'ss'");
    EXPECT_EQ(q.fieldAsInteger("ll"), 14);
    EXPECT_EQ(q.fieldAsInteger("jg"), 11);
}

}  // namespace
}  // namespace lymn::store
