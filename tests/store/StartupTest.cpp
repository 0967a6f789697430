#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "platform/Error.h"
#include "store/ConnectionString.h"
#include "store/DataFileHeader.h"
#include "store/DataFileMessages.h"
#include "store/DataFileStartup.h"
#include "store/TADOQuery.h"
#include "tests/store/StoreFixture.h"

namespace lymn::store {
namespace {

namespace fs = std::filesystem;

class Startup : public test::StoreFixture {
  protected:
    // Runs the start-up; its error text, or "" when it went through.
    std::string start(TADOConnection& con, const std::function<void(int)>& hook = {}) {
        try {
            PrepareDataFile(con, dir, hook);
        } catch (const Error& e) {
            return e.what();
        }
        return "";
    }
    std::string start() {
        TADOConnection con;
        return start(con);
    }
    int lookupLl(TADOConnection& con) {
        TADOQuery q("ADOTemp", con);
        RunQuery(q, " select * from t_js where zy = 'yj' and js = 'ss'");
        return q.fieldAsInteger("ll");
    }
    // A start that went through on the shipped data: the row reads, the scratch copy is gone
    // and the data file carries the marker again.
    void expectAWholeStart() {
        TADOConnection con;
        EXPECT_EQ(start(con), "");
        EXPECT_EQ(lookupLl(con), 14);
        EXPECT_FALSE(files::exists(dir / "Temp.db"));
        EXPECT_EQ(head(dir / "lymn.db"), block(kMarker));
    }
};

TEST_F(Startup, FirstStartRenamesTheShippedFileAndLeavesTheMarker) {
    copyShipped("lymn.mdb");
    TADOConnection con;
    EXPECT_EQ(start(con), "");
    EXPECT_TRUE(con.Connected());
    EXPECT_EQ(con.connectionString(), dataConnectionString(dir / "lymn.db"));
    EXPECT_FALSE(files::exists(dir / "lymn.mdb"));
    EXPECT_EQ(head(dir / "lymn.db"), block(kMarker));
    EXPECT_FALSE(files::exists(dir / "Temp.db"));
    EXPECT_EQ(lookupLl(con), 14);
    // A later start works the same way.
    TADOConnection again;
    EXPECT_EQ(start(again), "");
    EXPECT_EQ(lookupLl(again), 14);
    EXPECT_EQ(head(dir / "lymn.db"), block(kMarker));
    // Only the data file and the lock file are left.
    int entries = 0;
    for ([[maybe_unused]] auto& e : fs::directory_iterator(dir)) ++entries;
    EXPECT_EQ(entries, 2);
}

TEST_F(Startup, AShippedFileWithTheSignatureWorksToo) {
    copyShipped("lymn.mdb");
    RestoreDataFileHeader(dir / "lymn.mdb");
    EXPECT_EQ(start(), "");
    EXPECT_EQ(head(dir / "lymn.db"), block(kMarker));
}

TEST_F(Startup, WithBothFilesTheShippedOneIsLeftAlone) {
    copyShipped("lymn.db");
    sqlFile("lymn.mdb", {"create table x (a)"}, kMarker);
    const auto shipped = bytes(dir / "lymn.mdb");
    TADOConnection con;
    EXPECT_EQ(start(con), "");
    EXPECT_EQ(bytes(dir / "lymn.mdb"), shipped);
    EXPECT_EQ(lookupLl(con), 14);
}

TEST_F(Startup, TheRenameActsInTheExecutablesFolderWhateverTheWorkingDirectory) {
    copyShipped("lymn.mdb");
    const fs::path elsewhere = dir / "elsewhere";
    fs::create_directory(elsewhere);
    const fs::path before = fs::current_path();
    fs::current_path(elsewhere);
    const std::string error = start();
    fs::current_path(before);
    EXPECT_EQ(error, "");
    EXPECT_TRUE(files::exists(dir / "lymn.db"));
    EXPECT_FALSE(files::exists(elsewhere / "lymn.db"));
}

TEST_F(Startup, MissingDataFileFailsWithTheEngineErrorAndLeavesNoScratchFile) {
    TADOConnection con;
    EXPECT_EQ(start(con), messages::missing((dir / "lymn.db").string()));
    EXPECT_FALSE(con.Connected());
    EXPECT_FALSE(files::exists(dir / "Temp.db"));
    // The connection string is set, so a later lookup can try again.
    EXPECT_EQ(con.connectionString(), dataConnectionString(dir / "lymn.db"));
}

TEST_F(Startup, ALeftoverScratchFileIsRecoveredWhenTheDataFileIsGone) {
    copyShipped("Temp.db");
    expectAWholeStart();
}

TEST_F(Startup, AnUnwritableScratchFileStopsTheSequenceWithCannotOpenFile) {
    copyShipped("lymn.db");
    writeText(dir / "Temp.db", "locked");
    ::chmod((dir / "Temp.db").c_str(), 0444);
    TADOConnection con;
    EXPECT_EQ(start(con), "Cannot open file " + (dir / "Temp.db").string());
    EXPECT_FALSE(con.Connected());
    EXPECT_EQ(con.connectionString(), "");  // stopped at step 5: no connection string yet
    EXPECT_EQ(head(dir / "lymn.db"), block(kMarker));
}

TEST_F(Startup, AReadOnlyDataFileIsNotReplacedAndCannotBeOpenedWithTheMarker) {
    copyShipped("lymn.db");
    ::chmod((dir / "lymn.db").c_str(), 0444);
    const auto before = bytes(dir / "lymn.db");
    // The start-up could not write the file: the player is told so.
    EXPECT_EQ(start(), messages::noPermission((dir / "lymn.db").string()));
    EXPECT_EQ(bytes(dir / "lymn.db"), before);
    // With the signature it opens, and nothing is written to it.
    ::chmod((dir / "lymn.db").c_str(), 0644);
    RestoreDataFileHeader(dir / "lymn.db");
    ::chmod((dir / "lymn.db").c_str(), 0444);
    TADOConnection con;
    EXPECT_EQ(start(con), "");
    EXPECT_TRUE(con.Connected());
    EXPECT_EQ(head(dir / "lymn.db"), block(kStandardSignature));
}

TEST_F(Startup, ADirectoryInPlaceOfTheDataFileFailsCleanly) {
    fs::create_directory(dir / "lymn.db");
    const std::string error = start();
    EXPECT_NE(error.find((dir / "lymn.db").string()), std::string::npos) << error;
    EXPECT_TRUE(files::isDirectory(dir / "lymn.db"));
    EXPECT_FALSE(files::exists(dir / "Temp.db"));
}

TEST_F(Startup, PathsLongerThanAHundredBytesWork) {
    for (int i = 0; i < 6; ++i) dir /= "a-folder-with-a-long-name-岚渊";
    fs::create_directories(dir);
    ASSERT_GT(dir.string().size(), 200u);
    copyShipped("lymn.mdb");
    TADOConnection con;
    EXPECT_EQ(start(con), "");
    EXPECT_EQ(lookupLl(con), 14);
}

// A process killed before any step leaves a data file that is whole (either as it was or as the
// step before left it), and the next start works.
TEST_F(Startup, AProcessKilledAtAnyStepLeavesAWholeFileAndTheNextStartWorks) {
    for (int kill = 1; kill <= 12; ++kill) {
        SCOPED_TRACE("killed before step " + std::to_string(kill));
        fs::remove_all(dir);
        fs::create_directories(dir);
        copyShipped("lymn.mdb");
        const auto original = bytes(shippedFile());
        const pid_t pid = ::fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            TADOConnection con;
            try {
                PrepareDataFile(con, dir, [kill](int step) {
                    if (step == kill) ::raise(SIGKILL);
                });
            } catch (...) {
            }
            ::_exit(0);
        }
        int status = 0;
        ::waitpid(pid, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status));
        // Whichever name it has, the file has the original size and contents after the header.
        const fs::path data = files::exists(dir / "lymn.db") ? dir / "lymn.db" : dir / "lymn.mdb";
        auto now = bytes(data);
        ASSERT_EQ(now.size(), original.size());
        EXPECT_TRUE(std::equal(now.begin() + 16, now.end(), original.begin() + 16));
        const auto h = headerState(now);
        EXPECT_TRUE(h == HeaderState::Marker || h == HeaderState::Signature);
        for (auto& e : fs::directory_iterator(dir))
            EXPECT_EQ(e.path().string().find(".tmp"), std::string::npos) << e.path();
        expectAWholeStart();
    }
}

TEST_F(Startup, TwoProgramsStartingTogetherTakeTurns) {
    copyShipped("lymn.mdb");
    std::vector<pid_t> children;
    for (int c = 0; c < 4; ++c) {
        const pid_t pid = ::fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            int failures = 0;
            for (int i = 0; i < 15; ++i) {
                TADOConnection con;
                try {
                    PrepareDataFile(con, dir);
                    TADOQuery q("ADOTemp", con);
                    RunQuery(q, " select * from t_js where zy = 'yj' and js = 'ss'");
                    if (q.fieldAsInteger("ll") != 14) ++failures;
                } catch (...) {
                    ++failures;
                }
            }
            ::_exit(failures);
        }
        children.push_back(pid);
    }
    for (pid_t pid : children) {
        int status = 0;
        ::waitpid(pid, &status, 0);
        EXPECT_TRUE(WIFEXITED(status));
        EXPECT_EQ(WEXITSTATUS(status), 0);
    }
    EXPECT_EQ(head(dir / "lymn.db"), block(kMarker));
    EXPECT_FALSE(files::exists(dir / "Temp.db"));
}

TEST_F(Startup, HeaderWritesTouchOnlySixteenBytesOfExistingFiles) {
    writeText(dir / "f", std::string(40, 'x'));
    RestoreDataFileHeader(dir / "f");
    auto b = bytes(dir / "f");
    EXPECT_EQ(b.size(), 40u);
    EXPECT_TRUE(std::equal(kStandardSignature.begin(), kStandardSignature.end(), b.begin()));
    EXPECT_EQ(b[16], 'x');
    HideDataFileHeader(dir / "f");
    EXPECT_EQ(head(dir / "f"), block(kMarker));
    // No file: nothing happens and nothing is created.
    RestoreDataFileHeader(dir / "none");
    EXPECT_FALSE(files::exists(dir / "none"));
    // A file held by another writer cannot be opened.
    auto held = files::openExistingExclusive(dir / "f");
    ASSERT_TRUE(held);
    try {
        HideDataFileHeader(dir / "f");
        ADD_FAILURE() << "no error";
    } catch (const Error& e) {
        EXPECT_EQ(std::string(e.what()), "Cannot open file " + (dir / "f").string());
    }
}

}  // namespace
}  // namespace lymn::store
