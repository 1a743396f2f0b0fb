// Writes replace a file whole or not at all: a failure leaves the previous
// bytes and no temporary file behind, and says why in the system's words.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <csignal>
#include <cstdlib>
#include <cstring>

#include "workspace/atomic_write.h"
#include "workspace/data_files.h"

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

TEST_F(AtomicWriteTest, TargetsThatAreNotRegularFiles) {
    alarm(20);  // a writer or reader that blocks fails here instead of hanging
    const QDir d(dir_.path());
    ASSERT_EQ(mkfifo(QFile::encodeName(d.filePath("fifo")).constData(), 0600), 0);
    const int sock = socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray socketPath = QFile::encodeName(d.filePath("sock"));
    ASSERT_LT(size_t(socketPath.size()), sizeof address.sun_path);
    std::memcpy(address.sun_path, socketPath.constData(), size_t(socketPath.size()));
    ASSERT_EQ(bind(sock, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    ASSERT_TRUE(QFile::link(d.filePath("fifo"), d.filePath("to-fifo")));
    ASSERT_TRUE(QFile::link(target_, d.filePath("to-file")));
    struct Case {
        QString path;
        bool written;  // else refused as not a regular file
    };
    const Case cases[] = {
        {d.filePath("fifo"), false},    {d.filePath("sock"), false},   {d.filePath("to-fifo"), false},
        {d.filePath("to-file"), true},  {"/dev/null", true},
    };
    for (const auto& c : cases) {
        const std::string what = c.path.toStdString();
        const FileResult w = WriteFileAtomically(c.path, "new");
        EXPECT_EQ(w.ok(), c.written) << what << ": " << w.message;
        if (!c.written) EXPECT_EQ(w.message, FileErrorText(c.path, "Not a regular file")) << what;
        const FileResult pair = WriteFilesAtomically({{d.filePath("pair"), "p"}, {c.path, "new"}});
        EXPECT_EQ(pair.ok(), c.written && c.path != "/dev/null") << what;
        if (!pair.ok()) EXPECT_FALSE(QFile::exists(d.filePath("pair"))) << what << ": neither was written";
        QFile::remove(d.filePath("pair"));
        if (c.path == "/dev/null") continue;
        QByteArray bytes;
        std::vector<std::string> lines;
        EXPECT_EQ(ReadFileBytes(c.path, bytes, 100).ok(), c.written) << what;
        EXPECT_EQ(ReadTextLines(c.path, lines).ok(), c.written) << what;
    }
    ::close(sock);
    alarm(0);
    // Written through the link: the link stays, the file changed.
    EXPECT_TRUE(QFileInfo(d.filePath("to-file")).isSymLink());
    EXPECT_EQ(ReadAll(target_), "new");
}

TEST_F(AtomicWriteTest, APairIsWrittenWholeOrNotAtAll) {
    const QString first = QDir(dir_.path()).filePath("first");
    ASSERT_TRUE(WriteFileAtomically(first, "first old").ok());
    ASSERT_TRUE(WriteFilesAtomically({{first, "first new"}, {target_, "new"}}).ok());
    EXPECT_EQ(ReadAll(first), "first new");
    EXPECT_EQ(ReadAll(target_), "new");
    // The second file cannot be renamed over (immutable): the first gets
    // its old bytes back.
    const std::string locked = "chattr +i '" + target_.toStdString() + "' 2>/dev/null";
    if (std::system(locked.c_str()) != 0) GTEST_SKIP() << "no immutable files here";
    const FileResult r = WriteFilesAtomically({{first, "first newer"}, {target_, "newer"}});
    std::system(("chattr -i '" + target_.toStdString() + "'").c_str());
    EXPECT_FALSE(r.ok());
    EXPECT_NE(r.message.find("Operation not permitted"), std::string::npos) << r.message;
    EXPECT_EQ(ReadAll(first), "first new");
    EXPECT_EQ(ReadAll(target_), "new");
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden), (QStringList{"first", "sett.dat"}));
}

}  // namespace
}  // namespace kurvo
