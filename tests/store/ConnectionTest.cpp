#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>

#include "platform/Error.h"
#include "store/ConnectionString.h"
#include "store/DataFileHeader.h"
#include "store/DataFileMessages.h"
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
    EXPECT_EQ(ConnectionString("").value("Provider"), "");
}

TEST_F(Connection, OpensTheShippedFileOnceItsSignatureIsBack) {
    const std::string path = dataWithSignature();
    EXPECT_EQ(openError(dataConnectionString(path)), "connected");
}

TEST_F(Connection, RefusesEveryFileItCannotUseSayingWhatIsWrongWithIt) {
    const std::string missing = (dir / "none.db").string();
    EXPECT_EQ(openError(dataConnectionString(missing)), messages::missing(missing));

    // The shipped file carries the marker: the start-up has not put the signature back.
    copyShipped("marker.db");
    const std::string marker = (dir / "marker.db").string();
    EXPECT_EQ(openError(dataConnectionString(marker)), messages::notPrepared(marker));
    // Where it could not, because the file may not be written, that is what the player reads.
    ::chmod(marker.c_str(), 0444);
    EXPECT_EQ(openError(dataConnectionString(marker)), messages::noPermission(marker));
    ::chmod(marker.c_str(), 0644);

    writeText(dir / "empty.db", "");
    const std::string empty = (dir / "empty.db").string();
    EXPECT_EQ(openError(dataConnectionString(empty)), messages::damaged(empty));

    // A database of the engine, but not in the program's format.
    const std::string withSignature = dataWithSignature();
    auto plain = bytes(withSignature);
    std::copy(kEngineHeader.begin(), kEngineHeader.end(), plain.begin());
    files::writeAll(dir / "plain.db", plain);
    const std::string plainPath = (dir / "plain.db").string();
    EXPECT_EQ(openError(dataConnectionString(plainPath)), messages::notOurs(plainPath));
    writeText(dir / "text.db", "zy,js,ll,tp,ys,jg\nzd,ss,1,2,3,4\n");
    const std::string text = (dir / "text.db").string();
    EXPECT_EQ(openError(dataConnectionString(text)), messages::notOurs(text));

    // Random bytes behind the standard signature.
    std::string junk(std::begin(kStandardSignature), std::end(kStandardSignature));
    for (int i = 0; i < 8192; ++i) junk.push_back(static_cast<char>((i * 7919 + 13) & 0xFF));
    writeText(dir / "junk.db", junk);
    const std::string junkPath = (dir / "junk.db").string();
    EXPECT_EQ(openError(dataConnectionString(junkPath)), messages::damaged(junkPath));

    // A truncated file: the first kilobyte of a good one.
    auto good = bytes(withSignature);
    good.resize(1024);
    files::writeAll(dir / "cut.db", good);
    const std::string cut = (dir / "cut.db").string();
    EXPECT_EQ(openError(dataConnectionString(cut)), messages::damaged(cut));

    fs::create_directory(dir / "folder.db");
    const std::string folder = (dir / "folder.db").string();
    EXPECT_EQ(openError(dataConnectionString(folder)), messages::notOurs(folder));

    // Root reads every file: only another user meets a file it may not read.
    if (::geteuid() != 0) {
        copyShipped("secret.db");
        RestoreDataFileHeader(dir / "secret.db");
        ::chmod((dir / "secret.db").c_str(), 0);
        const std::string secret = (dir / "secret.db").string();
        EXPECT_EQ(openError(dataConnectionString(secret)), messages::noPermission(secret));
        ::chmod((dir / "secret.db").c_str(), 0644);
    }
}

TEST_F(Connection, TheMessagesNameTheFileAndNoOtherProduct) {
    const std::string path = "/home/玩家/.local/share/lymn-sim/lymn.db";
    const std::vector<std::string> all = {
        messages::missing(path),      messages::notOurs(path),       messages::damaged(path),
        messages::noPermission(path), messages::heldByAnother(path), messages::notPrepared(path),
        messages::unreadable(path),   messages::noShipped(path),     messages::noFolder(path),
        messages::copyFailed(path),   messages::noConnection(),      messages::noHome()};
    for (size_t i = 0; i < all.size(); ++i) {
        const std::string& m = all[i];
        for (const char* vendor : {"Microsoft", "Jet", "ODBC", "SQLite", "sqlite"})
            EXPECT_EQ(m.find(vendor), std::string::npos) << m;
        if (i < all.size() - 2) {
            // Each names its file last, in quotes, so the error box adds no stray full stop.
            EXPECT_NE(m.find("\"" + path + "\""), std::string::npos) << m;
            EXPECT_EQ(errorBoxText(m), m);
        }
    }
    // Every kind says something different.
    for (size_t i = 0; i < all.size(); ++i)
        for (size_t j = i + 1; j < all.size(); ++j) EXPECT_NE(all[i], all[j]);
}

TEST_F(Connection, RefusesAWrongPasswordProviderOrNoConnectionString) {
    const std::string path = dataWithSignature();
    std::string wrong = dataConnectionString(path);
    wrong.replace(wrong.find("mqz%tow318"), 10, "mqz%tow319");
    EXPECT_EQ(openError(wrong), messages::notOurs(path));
    std::string provider = dataConnectionString(path);
    provider.replace(provider.find("Jet.OLEDB.4.0"), 13, "ACE.OLEDB.12.0");
    EXPECT_EQ(openError(provider), "Provider cannot be found. It may not be properly installed.");
    EXPECT_EQ(openError(""), messages::noConnection());
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
