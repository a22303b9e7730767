#include "main/frmMain.h"
#include "MainWindowDriver.h"
#include "PlatformFakes.h"
#include "ScriptedMessenger.h"
#include "TestDoubles.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <functional>

namespace orbalux {
namespace {

const QString kAssets = QStringLiteral(ORBALUX_ASSET_DIR);
const QString kHostile = QStringLiteral("HBar.bmp");

// Every shipped picture in a fresh folder, ready for one of them to be spoilt.
class PictureFolder {
public:
    PictureFolder()
    {
        for (const QString& name : QDir(kAssets).entryList({QStringLiteral("*.bmp")}, QDir::Files))
            QFile::copy(kAssets + "/" + name, m_folder.filePath(name));
    }
    QString path() const { return m_folder.path(); }
    QString hostile() const { return m_folder.filePath(kHostile); }

    /** Replaces the hostile picture by bytes. */
    void write(const QByteArray& bytes) const
    {
        QFile::remove(hostile());
        QFile file(hostile());
        if (file.open(QIODevice::WriteOnly))
            file.write(bytes);
    }
    /** Takes the hostile picture away, so that something else can stand under its name. */
    void remove() const { QFile::remove(hostile()); }

private:
    QTemporaryDir m_folder;
};

QByteArray shippedBytes()
{
    QFile file(kAssets + "/" + kHostile);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Atoms in the lower left only, so that row 1 and column 8 are clear lanes.
const std::vector<std::string> kLowerHalf{
    "........", "........", "........", "........", "..X.....", "X.......", ".X......", "...X.X.."};

// The window of one start-up, on scripted messages and the atoms of kLowerHalf.
struct StartUp {
    explicit StartUp(const QString& folder) : folders{folder.toStdU16String()} {}

    bool inGame() const { return window.isVisible() && play.grid().rows() == 10; }

    // Traces row 1 with HBar and column 8 with VBar.
    void traceTwoLanes() const
    {
        play.visitSettings([](frmOptions& dialog) {
            dialog.findChild<QCheckBox*>("cbTrace")->click();
            dialog.findChild<QPushButton*>("cmdOK")->click();
        });
        play.click(1, 0);
        play.click(0, 8);
    }

    // A picture that could not be read leaves its cells painted like untraced ones.
    bool paintsPicture(int row, int column) const
    {
        const QImage image = play.grid().grab().toImage();
        const QColor untraced = image.pixelColor(play.grid().cellRect(3, 3).center());
        return image.pixelColor(play.grid().cellRect(row, column).center()) != untraced;
    }

    testing::ScriptedMessenger messenger;
    testing::SequenceRandom random = testing::dealing(kLowerHalf);
    testing::FixedClock clock;
    testing::FakePlatform platform;
    std::vector<std::filesystem::path> folders;
    frmMain window{{messenger, random, clock, platform.services(), folders}};
    testing::MainWindowDriver play{window, messenger, random};
    bool started = window.startedUp();
};

struct HostileCase {
    const char* name;
    std::function<void(const PictureFolder&)> spoil;
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const HostileCase& hostile, std::ostream* out)
{
    *out << hostile.name;
}

std::string nameOf(const ::testing::TestParamInfo<HostileCase>& info)
{
    return info.param.name;
}

// A file that is there but holds no sound picture ends start-up with a message.
class UnusablePicture : public ::testing::TestWithParam<HostileCase> {};

TEST_P(UnusablePicture, EndsStartUpWithTheInvalidPictureMessage)
{
    PictureFolder folder;
    GetParam().spoil(folder);
    StartUp run(folder.path());
    EXPECT_FALSE(run.started);
    EXPECT_EQ(run.messenger.shown, std::vector<std::string>{"Error Number: 481 occured.  Invalid picture"});
    EXPECT_FALSE(run.window.isVisible());
    EXPECT_FALSE(QApplication::overrideCursor());
}

INSTANTIATE_TEST_SUITE_P(StartUp, UnusablePicture,
    ::testing::Values(HostileCase{"ZeroBytes", [](const PictureFolder& f) { f.write({}); }},
        HostileCase{"TruncatedHeader", [](const PictureFolder& f) { f.write(shippedBytes().left(20)); }},
        HostileCase{"WrongSignature",
            [](const PictureFolder& f) {
                QByteArray bytes = shippedBytes();
                bytes[0] = 'X';
                bytes[1] = 'Y';
                f.write(bytes);
            }},
        // Believed, the header would ask for 40 gigabytes; the sanitizer build would stop at that.
        HostileCase{"HeaderClaimsAHundredThousandPixelsSquare",
            [](const PictureFolder& f) {
                QByteArray bytes = shippedBytes();
                qToLittleEndian<qint32>(100000, bytes.data() + 18);
                qToLittleEndian<qint32>(100000, bytes.data() + 22);
                f.write(bytes);
            }}),
    nameOf);

// Whatever is no ordinary file counts as missing: the game starts without that picture.
class NoOrdinaryFile : public ::testing::TestWithParam<HostileCase> {};

TEST_P(NoOrdinaryFile, IsSkippedAndTracedShotsStillDraw)
{
    PictureFolder folder;
    GetParam().spoil(folder);
    StartUp run(folder.path());
    ASSERT_TRUE(run.started);
    EXPECT_TRUE(run.inGame());

    run.traceTwoLanes();
    for (int column = 1; column <= 7; ++column)
        EXPECT_EQ(run.play.cell(1, column).picture, SegmentKind::HBar);
    EXPECT_FALSE(run.paintsPicture(1, 4));
    EXPECT_TRUE(run.paintsPicture(4, 8));
    EXPECT_TRUE(run.messenger.shown.empty());
    EXPECT_FALSE(QApplication::overrideCursor());
}

INSTANTIATE_TEST_SUITE_P(StartUp, NoOrdinaryFile,
    ::testing::Values(HostileCase{"Directory", [](const PictureFolder& f) { f.remove(); QDir().mkdir(f.hostile()); }},
        // Opening a FIFO for reading would wait for a writer that never comes.
        HostileCase{"NamedPipe",
            [](const PictureFolder& f) {
                f.remove();
                mkfifo(QFile::encodeName(f.hostile()).constData(), 0644);
            }},
        HostileCase{"LinkToAMissingFile",
            [](const PictureFolder& f) {
                f.remove();
                QFile::link(f.path() + "/gone.bmp", f.hostile());
            }}),
    nameOf);

TEST(HostileStartUp, AFolderWithoutPicturesStartsSilentlyAndTracesInvisibly)
{
    QTemporaryDir empty;
    StartUp run(empty.path());
    ASSERT_TRUE(run.started);
    EXPECT_TRUE(run.inGame());
    run.traceTwoLanes();
    EXPECT_EQ(run.play.cell(4, 8).picture, SegmentKind::VBar);
    EXPECT_FALSE(run.paintsPicture(4, 8));
    EXPECT_TRUE(run.messenger.shown.empty());
}

// The permission bits bind everyone but root, who reads the file anyway and plays with it.
TEST(HostileStartUp, UnreadablePictureIsPermissionDeniedUnlessTheUserCanReadIt)
{
    PictureFolder folder;
    ASSERT_TRUE(QFile::setPermissions(folder.hostile(), QFileDevice::WriteOwner));
    QFile probe(folder.hostile());
    const bool readable = probe.open(QIODevice::ReadOnly);
    probe.close();

    StartUp run(folder.path());
    EXPECT_EQ(run.started, readable);
    if (readable) {
        EXPECT_TRUE(run.messenger.shown.empty());
        run.traceTwoLanes();
        EXPECT_TRUE(run.paintsPicture(1, 4));
    } else {
        EXPECT_EQ(run.messenger.shown, std::vector<std::string>{"Error Number: 70 occured.  Permission denied"});
    }
}

int aquaPixels(const QImage& image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            count += image.pixelColor(x, y) == QColor(0x00, 0xFF, 0xFF) ? 1 : 0;
    }
    return count;
}

// The real program, headless on Qt's minimal platform, which writes every frame it shows into
// the working folder when QT_DEBUG_BACKINGSTORE is set: the first frame proves start-up is over.
TEST(ProgramStartUp, AFifoNamedLikeAPictureNeitherHangsNorCrashesTheProgram)
{
    PictureFolder folder;
    folder.remove();
    ASSERT_EQ(mkfifo(QFile::encodeName(folder.hostile()).constData(), 0644), 0);
    QProcess program;
    program.setWorkingDirectory(folder.path());
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("minimal"));
    environment.insert(QStringLiteral("QT_DEBUG_BACKINGSTORE"), QStringLiteral("1"));
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(ORBALUX_PROGRAM), {});
    ASSERT_TRUE(program.waitForStarted());

    const QString firstFrame = QDir(folder.path()).filePath(QStringLiteral("output0000.png"));
    QImage frame;
    // Bounded, so a program stuck in start-up fails the test instead of stalling it; a frame
    // still being written does not load yet and is simply read again.
    for (int wait = 0; wait < 600 && frame.isNull() && program.state() == QProcess::Running; ++wait) {
        program.waitForFinished(100);
        frame.load(firstFrame);
    }
    const bool running = program.state() == QProcess::Running;
    program.kill();
    program.waitForFinished();

    EXPECT_TRUE(running) << "the program ended by itself:\n" << program.readAllStandardError().toStdString();
    ASSERT_FALSE(frame.isNull()) << "the program never showed its window";
    EXPECT_GT(aquaPixels(frame), 0) << "the window shows no board";
}

} // namespace
} // namespace orbalux
