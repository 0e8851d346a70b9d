// Reading a database file whole, and the library's reading of what is no database: folders,
// devices, files that cannot be read and files without end are refused with a reason, or read
// silently and within the size limit.
#include <vxcheck/check.h>
#include <vxcheck/database_file.h>

#include "support/generated_file.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <string>
#include <thread>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using vxcheck::kDatabaseSizeLimit;
using vxcheck::ReadDatabaseFile;

const CString kFolder = VXCHECK_DATA_DIR "/databases";

TEST(DatabaseFile, ReadsAFileWholeAndRefusesWhatIsNoDatabase) {
    constexpr char kStored[] = "PHASES\r\nCalcite\x1a\0tail";
    const std::string text(kStored, sizeof kStored - 1);
    const GeneratedFile file(
        [&](std::FILE* out) { std::fwrite(text.data(), 1, text.size(), out); });
    const vxcheck::DatabaseFile read = ReadDatabaseFile(file.Path());
    EXPECT_TRUE(read.read);
    EXPECT_EQ(read.bytes, text); // every byte as stored
    EXPECT_EQ(read.reason, "");

    const std::pair<CString, std::string> refused[] = {
        {"/no/such.dat", "No such file or directory"},
        {"", "No such file or directory"},
        {kFolder, "Is a directory"},
        {"/dev/zero", "not a regular file"},
        {"/proc/self/mem", "Input/output error"},
    };
    for (const auto& [path, reason] : refused) {
        const vxcheck::DatabaseFile none = ReadDatabaseFile(path);
        EXPECT_FALSE(none.read) << path.GetString();
        EXPECT_EQ(none.reason, reason) << path.GetString();
        EXPECT_EQ(none.bytes, "");
    }
}

TEST(DatabaseFile, AFileOrPipeBeyondTheLimitIsRefusedWithoutBeingHeld) {
    // A sparse file is refused by its size, before a byte is read.
    const GeneratedFile large([](std::FILE* out) {
        ASSERT_EQ(ftruncate(fileno(out), static_cast<off_t>(kDatabaseSizeLimit + 1)), 0);
    });
    EXPECT_EQ(ReadDatabaseFile(large.Path()).reason, "larger than 32 MiB");

    // A pipe whose writer never stops is read one byte past the limit, then refused.
    const std::string fifo = std::string(large.Path().GetString()) + ".fifo";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    std::signal(SIGPIPE, SIG_IGN);
    std::thread writer([&] {
        const int out = open(fifo.c_str(), O_WRONLY);
        const std::string block(1 << 16, 'A');
        while (write(out, block.data(), block.size()) > 0) {
        }
        close(out);
    });
    const vxcheck::DatabaseFile endless = ReadDatabaseFile(fifo.c_str());
    writer.join();
    unlink(fifo.c_str());
    EXPECT_FALSE(endless.read);
    EXPECT_EQ(endless.reason, "larger than 32 MiB");
}

TEST(DatabaseFile, ReadDatabaseOfWhatIsNoDatabaseIsSilent) {
    for (const CString& path : {kFolder, CString("/dev/zero"), CString("/proc/self/mem")}) {
        Cvx_Check checker;
        EXPECT_NO_THROW(checker.ReadDatabase(path)) << path.GetString();
        EXPECT_EQ(checker.GetMasterSpeciesComp(),
                  (std::vector<CString>{"Total_H", "Total_O", "Charge"}));
        EXPECT_TRUE(checker.GetAqueousSpecies().empty());
    }
    // A larger file is read as if it ended at the limit, which falls inside "Cut": a word that
    // meets the end is never examined, so "Kept" is the last name.
    const GeneratedFile large([](std::FILE* out) {
        std::fputs("SOLUTION_MASTER_SPECIES\n", out); // 24 bytes
        const std::string comment(kDatabaseSizeLimit - 39, '#');
        std::fputs(comment.c_str(), out);
        std::fputs("\nKept Kept\nCut12345678 Cut\nAfter After\n", out);
    });
    Cvx_Check checker;
    checker.ReadDatabase(large.Path());
    EXPECT_EQ(checker.GetMasterSpecies(), std::vector<CString>{"Kept"});
}

} // namespace
