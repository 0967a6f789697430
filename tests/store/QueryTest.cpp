#include <gtest/gtest.h>

#include "platform/Error.h"
#include "store/ConnectionString.h"
#include "store/DataFileMessages.h"
#include "store/TADOQuery.h"
#include "tests/store/StoreFixture.h"

namespace lymn::store {
namespace {

namespace fs = std::filesystem;

class Query : public test::StoreFixture {
  protected:
    void use(const fs::path& file) { con.setConnectionString(dataConnectionString(file)); }
    std::string errorOf(const std::function<void()>& f) {
        try {
            f();
        } catch (const Error& e) {
            return e.what();
        }
        return "no error";
    }
    TADOConnection con;
    TADOQuery q{"ADOTemp", con};
};

TEST_F(Query, RunQueryReplacesTheTextAndReadsTheFirstRow) {
    use(sqlFile("a.db", {"create table t_js (zy text, js text, LL integer, tp integer, ys integer, "
                         "jg integer, x text)",
                         "insert into t_js values ('zd', 'ss', 7, 10, 16, 9, 'extra')",
                         "insert into t_js values ('zd', 'ss', 99, 99, 99, 99, 'second')",
                         "insert into t_js values ('jg', 'tj', 15, 14, null, 8, null)"}));
    EXPECT_FALSE(con.Connected());
    RunQuery(q, " select * from t_js where zy = 'zd' and js = 'ss'");
    EXPECT_TRUE(con.Connected());  // the query connected first
    EXPECT_EQ(q.sql(),
              std::vector<std::string>{" select * from t_js where zy = 'zd' and js = 'ss'"});
    // The first of two rows, the column found whatever its letter case, read as often as needed.
    EXPECT_EQ(q.fieldAsInteger("ll"), 7);
    EXPECT_EQ(q.fieldAsInteger("ll"), 7);
    EXPECT_EQ(q.fieldAsInteger("YS"), 16);
    // A new query discards the earlier result; NULL reads 0.
    RunQuery(q, " select * from t_js where zy = 'jg' and js = 'tj'");
    EXPECT_EQ(q.sql().size(), 1u);
    EXPECT_EQ(q.fieldAsInteger("ll"), 15);
    EXPECT_EQ(q.fieldAsInteger("ys"), 0);
    // No row: every column reads 0, no error.
    RunQuery(q, " select * from t_js where zy = 'qm' and js = 'nf'");
    for (const char* c : {"ll", "tp", "ys", "jg"}) EXPECT_EQ(q.fieldAsInteger(c), 0);
    // A column that is not there.
    EXPECT_EQ(errorOf([&] { q.fieldAsInteger("hp"); }), "ADOTemp: Field 'hp' not found");
}

TEST_F(Query, EngineErrorsLeaveTheQueryClosedAndTheNextLookupTriesAgain) {
    use(sqlFile("b.db", {"create table other (a integer)"}));
    EXPECT_EQ(errorOf([&] { RunQuery(q, " select * from t_js where zy = 'zd' and js = 'ss'"); }),
              messages::unreadable((dir / "b.db").string()));
    EXPECT_FALSE(q.Active());
    EXPECT_EQ(errorOf([&] { RunQuery(q, " selec * from t_js"); }), "near \"selec\": syntax error");

    // A connection that failed connects on the next lookup once the file is there.
    TADOConnection later;
    TADOQuery lq("ADOTemp", later);
    later.setConnectionString(dataConnectionString(dir / "late.db"));
    EXPECT_EQ(errorOf([&] { RunQuery(lq, " select * from t_js"); }),
              messages::missing((dir / "late.db").string()));
    EXPECT_FALSE(lq.Active());
    sqlFile("late.db",
            {"create table t_js (zy text, js text, ll integer, tp integer, ys integer, jg integer)",
             "insert into t_js values ('kh', 'nf', 8, 10, 15, 9)"});
    RunQuery(lq, " select * from t_js where zy = 'kh' and js = 'nf'");
    EXPECT_EQ(lq.fieldAsInteger("ys"), 15);
}

TEST_F(Query, ValuesThatAreNot32BitIntegersRaiseTheConversionError) {
    use(sqlFile("c.db", {"create table t_js (zy text, js text, ll, tp, ys, jg)",
                         "insert into t_js values ('yj', 'ss', '12', 'abc', 3000000000, 4.6)"}));
    RunQuery(q, " select * from t_js");
    EXPECT_EQ(q.fieldAsInteger("ll"), 12);
    EXPECT_EQ(errorOf([&] { q.fieldAsInteger("tp"); }), "'abc' is not a valid integer value");
    EXPECT_EQ(errorOf([&] { q.fieldAsInteger("ys"); }),
              "'3000000000' is not a valid integer value");
    EXPECT_EQ(q.fieldAsInteger("jg"), 5);
}

}  // namespace
}  // namespace lymn::store
