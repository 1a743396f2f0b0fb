// Writes replace a file whole or not at all: a failure leaves the previous
// bytes and no temporary file behind, and says why in the system's words.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <csignal>

#include "workspace/atomic_write.h"

namespace kurvo {
namespace {

QByteArray ReadAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

class AtomicWriteTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        target_ = QDir(dir_.path()).filePath("sett.dat");
        ASSERT_TRUE(WriteFileAtomically(target_, "old contents").ok());
    }
    QStringList Entries() const { return QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden); }
    QTemporaryDir dir_;
    QString target_;
};

TEST_F(AtomicWriteTest, ReplacesWholeFiles) {
    ASSERT_TRUE(WriteFileAtomically(target_, "new").ok());
    EXPECT_EQ(ReadAll(target_), "new");
    EXPECT_EQ(Entries(), QStringList{"sett.dat"});
}

TEST_F(AtomicWriteTest, FailuresKeepTheOldFileAndNameTheReason) {
    struct Case {
        const char* what;
        std::function<FileResult()> write;
        const char* reason;
    };
    const QString sub = QDir(dir_.path()).filePath("sub");
    QDir().mkdir(sub);
    const Case cases[] = {
        {"file larger than the size limit", [&] {
             // A full file system, as seen by the writer: writes fail with EFBIG.
             signal(SIGXFSZ, SIG_IGN);
             rlimit old{}, small{};
             getrlimit(RLIMIT_FSIZE, &old);
             small = old;
             small.rlim_cur = 4;
             setrlimit(RLIMIT_FSIZE, &small);
             auto r = WriteFileAtomically(target_, QByteArray(100000, 'x'));
             setrlimit(RLIMIT_FSIZE, &old);
             return r;
         }, "File too large"},
        {"target is a folder", [&] { return WriteFileAtomically(sub, "x"); }, "Is a directory"},
        {"device that is full", [&] { return WriteFileAtomically("/dev/full", "x"); },
         "No space left on device"},
    };
    for (const auto& c : cases) {
        const FileResult r = c.write();
        EXPECT_FALSE(r.ok()) << c.what;
        EXPECT_NE(r.message.find(c.reason), std::string::npos) << c.what << ": " << r.message;
        EXPECT_EQ(ReadAll(target_), "old contents") << c.what;
        EXPECT_EQ(Entries(), QStringList{"sett.dat"}) << c.what;
    }
    if (geteuid() != 0) {  // root writes anywhere
        QFile::setPermissions(dir_.path(), QFile::ReadOwner | QFile::ExeOwner);
        EXPECT_FALSE(WriteFileAtomically(target_, "new").ok());
        QFile::setPermissions(dir_.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        EXPECT_EQ(ReadAll(target_), "old contents");
    }
}

}  // namespace
}  // namespace kurvo
