#include "data/builder/group_builder.h"
#include "data/group_data.h"
#include "testing/recording_sink.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <unistd.h>

#include <csignal>
#include <random>

using namespace rekol;

namespace {

QByteArray ReadAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool WriteAll(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

GroupBuilder ThreePublishers()
{
    GroupBuilder b(5, 2);
    b.SecretaryEmail("secretario@example.org");
    b.AddPublisher("Ana", "Ruiz").Email("ana@example.org").Phones("5551234");
    b.AddPublisher(QString::fromUtf8("José"), QString::fromUtf8("Muñoz")).Report(2, 0, true, 2, 30);
    b.AddPublisher("Luis", "Vega").NoteLink(2, 0, b.AddNote("20"));
    return b;
}

class GroupFileTest : public ::testing::Test {
protected:
    QString Path(const QString& name) const { return dir.filePath(name); }

    QTemporaryDir dir;
    test::RecordingSink sink;
    GroupData group{sink};
};

// Sets or clears the immutable attribute, which stops even root from
// creating files in a folder.
bool SetImmutable(const QString& path, bool on)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_DIRECTORY);
    if (fd < 0)
        return false;
    int flags = 0;
    bool ok = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
    if (ok) {
        flags = on ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
        ok = ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    }
    ::close(fd);
    return ok;
}

} // namespace

TEST_F(GroupFileTest, LoadsHeaderRecordsAndNotes)
{
    ASSERT_TRUE(ThreePublishers().WriteTo(Path("g.k09")));
    EXPECT_EQ(group.LoadGroupFile(Path("g.k09")), LoadStatus::Loaded);
    EXPECT_TRUE(group.isAllocated);
    EXPECT_EQ(group.publisherCount, 3);
    EXPECT_EQ(group.noteCount, 1);
    EXPECT_EQ(group.groupNumber, 5);
    EXPECT_EQ(group.reportMonth, 2);
    EXPECT_EQ(group.groupPath, Path("g.k09"));
    EXPECT_EQ(group.SecretaryEmail(), QByteArray("secretario@example.org"));
    EXPECT_EQ(group.Record(2).Text(layout::LastName), QByteArray("Mu\xF1oz"));
    EXPECT_EQ(group.Record(1).Text(layout::Phone1), QByteArray("5551234"));
    QByteArray note;
    EXPECT_EQ(group.FindNote(3, 2, 0, &note, true), 1);
    EXPECT_EQ(note, QByteArray("20"));
    EXPECT_TRUE(sink.messages.isEmpty());
}

TEST_F(GroupFileTest, RandomReservedBytesSurviveLoadAndSave)
{
    std::mt19937 random(20261211);
    QByteArray original(816 * 5 + 48 * 3, 0);
    for (char& c : original)
        c = static_cast<char>(random());
    original[180] = 4;
    original[184] = 3;
    original[185] = 0;
    original[238] = 7;
    ASSERT_TRUE(WriteAll(Path("r.k09"), original));

    ASSERT_EQ(group.LoadGroupFile(Path("r.k09")), LoadStatus::Loaded);
    ASSERT_TRUE(group.SaveGroupFile(Path("r.k09")));
    const QByteArray saved = ReadAll(Path("r.k09"));
    ASSERT_EQ(saved.size(), original.size());
    // The header and notes are never scrambled; in a record only the text
    // fields (bytes 2 .. 169) are the scrambling's to change.
    for (qsizetype j = 0; j < saved.size(); ++j) {
        const qsizetype inRecord = j % 816;
        const bool textByte = j >= 816 && j < 816 * 5 && inRecord >= 2 && inRecord < 170;
        if (!textByte) {
            EXPECT_EQ(saved[j], original[j]) << "byte " << j;
        }
    }
    // Once through the scrambling, the texts are stable.
    ASSERT_EQ(group.LoadGroupFile(Path("r.k09")), LoadStatus::Loaded);
    ASSERT_TRUE(group.SaveGroupFile(Path("r.k09")));
    EXPECT_EQ(ReadAll(Path("r.k09")), saved);
}

TEST_F(GroupFileTest, SaveWritesNoteCountAndKeepsHeaderCount)
{
    ASSERT_TRUE(ThreePublishers().WriteTo(Path("g.k09")));
    ASSERT_EQ(group.LoadGroupFile(Path("g.k09")), LoadStatus::Loaded);
    ASSERT_EQ(group.FindNote(1, 2, 0, nullptr, false), 2);
    ASSERT_TRUE(group.SaveGroupFile(Path("out.k19")));
    const QByteArray saved = ReadAll(Path("out.k19"));
    EXPECT_EQ(saved.size(), 816 * 4 + 48 * 2);
    EXPECT_EQ(saved[184], 2);
    EXPECT_EQ(saved[180], 3);
    EXPECT_EQ(group.records[0].Word(layout::HeaderNoteCount), 2);
    EXPECT_EQ(group.Record(1).Text(layout::FirstName), QByteArray("Ana")); // plain again
}

TEST_F(GroupFileTest, ShortAndEmptyFiles)
{
    // Header only, three publishers promised: records stay zero.
    QByteArray header(816, 0);
    header[180] = 3;
    header[184] = 2;
    ASSERT_TRUE(WriteAll(Path("h.k09"), header));
    EXPECT_EQ(group.LoadGroupFile(Path("h.k09")), LoadStatus::Loaded);
    EXPECT_EQ(group.publisherCount, 3);
    EXPECT_EQ(group.noteCount, 2);
    EXPECT_EQ(group.GetDisplayName(3, true), QByteArray(", "));
    EXPECT_EQ(group.CountNotReported(0, 0), 3);

    // A file shorter than its header reads as zeros.
    ASSERT_TRUE(WriteAll(Path("tiny.k09"), QByteArray("\x01\x02", 2)));
    EXPECT_EQ(group.LoadGroupFile(Path("tiny.k09")), LoadStatus::Loaded);
    EXPECT_EQ(group.publisherCount, 0);
    EXPECT_EQ(group.groupPath, Path("h.k09")); // no publishers: path kept

    // No file: empty group, period and path kept, no message.
    group.reportMonth = 4;
    EXPECT_EQ(group.LoadGroupFile(Path("missing.k09")), LoadStatus::NotOpened);
    EXPECT_EQ(group.publisherCount, 0);
    EXPECT_FALSE(group.isAllocated);
    EXPECT_EQ(group.reportMonth, 4);
    EXPECT_EQ(group.groupPath, Path("h.k09"));
    EXPECT_TRUE(sink.messages.isEmpty());
}

TEST_F(GroupFileTest, FilesOutsideTheFormatAreRefusedAndTheOpenGroupStays)
{
    ASSERT_TRUE(ThreePublishers().WriteTo(Path("g.k09")));
    ASSERT_EQ(group.LoadGroupFile(Path("g.k09")), LoadStatus::Loaded);

    struct Case {
        int offset;
        char value;
        const char* shown;
    };
    for (const Case& c : {Case{180, char(0x80), "128"}, Case{180, char(0xFF), "255"}, Case{238, 12, "12"}}) {
        QByteArray bad = ThreePublishers().Build();
        bad[c.offset] = c.value;
        ASSERT_TRUE(WriteAll(Path("bad.k09"), bad));
        sink.messages.clear();
        EXPECT_EQ(group.LoadGroupFile(Path("bad.k09")), LoadStatus::OutsideFormat);
        ASSERT_EQ(sink.messages.size(), 1);
        EXPECT_TRUE(sink.messages[0].contains(Path("bad.k09")));
        EXPECT_TRUE(sink.messages[0].contains(c.shown));
        EXPECT_EQ(group.publisherCount, 3);
        EXPECT_EQ(group.groupPath, Path("g.k09"));
        EXPECT_EQ(group.Record(1).Text(layout::FirstName), QByteArray("Ana"));
    }
}

TEST_F(GroupFileTest, JanuaryFileInJanuaryTakesTheCurrentYearsSlot)
{
    group.clock = [] { return QDate(2024, 1, 20); };
    group.DeriveReportPeriod(group.clock());
    ASSERT_EQ(group.yearSlot, 1);
    GroupBuilder january(5, 0);
    january.AddPublisher("Ana", "Ruiz");
    ASSERT_TRUE(january.WriteTo(Path("jan.k09")));
    ASSERT_EQ(group.LoadGroupFile(Path("jan.k09")), LoadStatus::Loaded);
    EXPECT_EQ(group.reportMonth, 0);
    EXPECT_EQ(group.yearSlot, 0);

    // A December file afterwards leaves the slot as it is.
    GroupBuilder december(5, 11);
    december.AddPublisher("Ana", "Ruiz");
    ASSERT_TRUE(december.WriteTo(Path("dec.k09")));
    ASSERT_EQ(group.LoadGroupFile(Path("dec.k09")), LoadStatus::Loaded);
    EXPECT_EQ(group.reportMonth, 11);
    EXPECT_EQ(group.yearSlot, 0);

    // Started in February, a December file keeps the start-up slot.
    test::RecordingSink otherSink;
    GroupData february(otherSink);
    february.clock = [] { return QDate(2024, 2, 3); };
    february.DeriveReportPeriod(february.clock());
    ASSERT_EQ(february.LoadGroupFile(Path("dec.k09")), LoadStatus::Loaded);
    EXPECT_EQ(february.reportMonth, 11);
    EXPECT_EQ(february.yearSlot, 0);
}

TEST_F(GroupFileTest, GroupsOfFewerThanTwoAreNotSaved)
{
    GroupBuilder one;
    one.AddPublisher("Ana", "Ruiz");
    ASSERT_TRUE(one.WriteTo(Path("one.k09")));
    const QByteArray before = ReadAll(Path("one.k09"));
    ASSERT_EQ(group.LoadGroupFile(Path("one.k09")), LoadStatus::Loaded);
    EXPECT_FALSE(group.SaveGroupFile(Path("one.k09")));
    EXPECT_EQ(sink.messages, QStringList{"Group has less than 3 publishers"});
    EXPECT_EQ(ReadAll(Path("one.k09")), before);

    GroupBuilder two;
    two.AddPublisher("Ana", "Ruiz");
    two.AddPublisher("Luis", "Vega");
    ASSERT_TRUE(two.WriteTo(Path("two.k09")));
    ASSERT_EQ(group.LoadGroupFile(Path("two.k09")), LoadStatus::Loaded);
    EXPECT_TRUE(group.SaveGroupFile(Path("two.k09")));
}

class FailingSaveTest : public GroupFileTest {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(ThreePublishers().WriteTo(Path("g.k09")));
        ASSERT_EQ(group.LoadGroupFile(Path("g.k09")), LoadStatus::Loaded);
        // Something typed since the load, which the failed save must not lose.
        group.Record(1).SetCell(layout::Hours, 2, 0, 12);
    }

    void ExpectCreateFileError(const QString& path)
    {
        ASSERT_EQ(sink.messages.size(), 1);
        EXPECT_TRUE(sink.messages[0].startsWith("Incapaz crear el archivo nuevo: " + path + ".\n"))
            << sink.messages[0].toStdString();
        EXPECT_EQ(group.Record(1).Text(layout::FirstName), QByteArray("Ana"));
        EXPECT_EQ(group.Record(1).Cell(layout::Hours, 2, 0), 12);
    }
};

TEST_F(FailingSaveTest, OntoAFullDevice)
{
    EXPECT_FALSE(group.SaveGroupFile("/dev/full"));
    ExpectCreateFileError("/dev/full");
    EXPECT_TRUE(QFileInfo("/dev/full").exists());
    EXPECT_FALSE(QFileInfo("/dev/full").isFile());
}

TEST_F(FailingSaveTest, IntoAFolderThatCannotBeWritten)
{
    const QString folder = Path("locked");
    ASSERT_TRUE(QDir().mkdir(folder));
    ASSERT_TRUE(group.SaveGroupFile(folder + "/g.k09"));
    const QByteArray before = ReadAll(folder + "/g.k09");
    const bool immutable = SetImmutable(folder, true);
    if (!immutable) {
        if (::geteuid() == 0)
            GTEST_SKIP() << "running as root on a file system without the immutable attribute";
        ASSERT_TRUE(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));
    }
    sink.messages.clear();
    const bool saved = group.SaveGroupFile(folder + "/g.k09");
    if (immutable)
        SetImmutable(folder, false);
    else
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_FALSE(saved);
    ExpectCreateFileError(folder + "/g.k09");
    EXPECT_EQ(ReadAll(folder + "/g.k09"), before);
}

TEST_F(FailingSaveTest, HalfWayThroughTheWrite)
{
    ASSERT_TRUE(WriteAll(Path("old.k09"), QByteArray(100, 'x')));
    // The file size limit makes the write fail after 2000 bytes.
    struct rlimit saved {};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit limit = saved;
    limit.rlim_cur = 2000;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &limit), 0);
    const bool ok = group.SaveGroupFile(Path("old.k09"));
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_FALSE(ok);
    ExpectCreateFileError(Path("old.k09"));
    EXPECT_EQ(ReadAll(Path("old.k09")), QByteArray(100, 'x'));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList({"g.k09", "old.k09"}));
}

TEST_F(FailingSaveTest, RelativePathIsShownInFull)
{
    const QString cwd = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dir.path()));
    const bool ok = group.SaveGroupFile("nofolder/g.k09");
    QDir::setCurrent(cwd);
    EXPECT_FALSE(ok);
    ExpectCreateFileError(dir.path() + "/nofolder/g.k09");
}
