#include "grid/PictureStore.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>

namespace orbalux {

void PrintTo(const PictureError& error, std::ostream* out)
{
    *out << error.number << " " << error.description.toStdString();
}

namespace {

const QString kAssets = QStringLiteral(ORBALUX_ASSET_DIR);

std::filesystem::path folder(const QString& path)
{
    return path.toStdU16String();
}

constexpr SegmentKind kAllKinds[] = {SegmentKind::VBar,  SegmentKind::HBar,  SegmentKind::CrossBar,
                                     SegmentKind::NWBar, SegmentKind::NEBar, SegmentKind::SWBar,
                                     SegmentKind::SEBar};

const PictureError kInvalid{481, QStringLiteral("Invalid picture")};

class PictureStoreFolder : public ::testing::Test {
protected:
    QString path(SegmentKind kind) const { return m_folder.filePath(PictureStore::fileName(kind)); }

    void copyShipped(SegmentKind kind)
    {
        ASSERT_TRUE(QFile::copy(kAssets + "/" + PictureStore::fileName(kind), path(kind)));
    }

    void write(SegmentKind kind, const QByteArray& bytes)
    {
        QFile file(path(kind));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    QByteArray shippedBytes(SegmentKind kind) const
    {
        QFile file(kAssets + "/" + PictureStore::fileName(kind));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    std::optional<PictureError> load() { return m_store.load({folder(m_folder.path())}); }

    QTemporaryDir m_folder;
    PictureStore m_store;
};

TEST(PictureStoreShipped, AllSevenLoadAsCellSizedPicturesWithTransparentCorners)
{
    PictureStore store;
    ASSERT_FALSE(store.load({folder(kAssets)}));
    EXPECT_TRUE(store.picture(SegmentKind::None).isNull());
    for (const SegmentKind kind : kAllKinds) {
        const QImage image = store.picture(kind).toImage();
        ASSERT_EQ(image.size(), QSize(27, 27)) << PictureStore::fileName(kind).toStdString();
        EXPECT_TRUE(image.hasAlphaChannel());
        for (const QPoint corner : {QPoint(0, 0), QPoint(26, 0), QPoint(0, 26), QPoint(26, 26)})
            EXPECT_EQ(qAlpha(image.pixel(corner)), 0);
    }
}

// Neighbouring cells join only if each line ends, opaque, at the midpoints of its own edges.
TEST(PictureStoreShipped, EachLineTouchesExactlyTheEdgesItsNameSays)
{
    struct Ends {
        SegmentKind kind;
        bool top, bottom, left, right;
    };
    const Ends table[] = {
        {SegmentKind::VBar, true, true, false, false},     {SegmentKind::HBar, false, false, true, true},
        {SegmentKind::CrossBar, true, true, true, true},   {SegmentKind::NWBar, true, false, true, false},
        {SegmentKind::NEBar, true, false, false, true},    {SegmentKind::SWBar, false, true, true, false},
        {SegmentKind::SEBar, false, true, false, true},
    };
    PictureStore store;
    ASSERT_FALSE(store.load({folder(kAssets)}));
    for (const Ends& ends : table) {
        const QImage image = store.picture(ends.kind).toImage();
        const auto opaque = [&image](int x, int y) { return qAlpha(image.pixel(x, y)) >= 200; };
        SCOPED_TRACE(PictureStore::fileName(ends.kind).toStdString());
        for (const int across : {12, 13, 14}) {
            EXPECT_EQ(opaque(across, 0), ends.top);
            EXPECT_EQ(opaque(across, 26), ends.bottom);
            EXPECT_EQ(opaque(0, across), ends.left);
            EXPECT_EQ(opaque(26, across), ends.right);
        }
        EXPECT_FALSE(opaque(10, 0) || opaque(16, 26) || opaque(0, 10) || opaque(26, 16));
    }
}

TEST_F(PictureStoreFolder, EmptyFolderLoadsNothingAndReportsNothing)
{
    EXPECT_FALSE(load());
    for (const SegmentKind kind : kAllKinds)
        EXPECT_TRUE(m_store.picture(kind).isNull());
}

TEST_F(PictureStoreFolder, EmptyFolderMeansTheWorkingDirectory)
{
    copyShipped(SegmentKind::SEBar);
    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(m_folder.path()));
    const auto error = m_store.load({std::filesystem::path()});
    QDir::setCurrent(previous);
    EXPECT_FALSE(error);
    EXPECT_FALSE(m_store.picture(SegmentKind::SEBar).isNull());
    EXPECT_TRUE(m_store.picture(SegmentKind::VBar).isNull());
}

// The folder of the fixture comes first, then the shipped pictures, as a working directory
// comes before the installed data folder.
TEST_F(PictureStoreFolder, EachPictureComesFromTheFirstFolderHoldingIt)
{
    QImage own(27, 27, QImage::Format_RGB32);
    own.fill(Qt::green);
    ASSERT_TRUE(own.save(path(SegmentKind::HBar), "BMP"));
    const std::vector<std::filesystem::path> folders{m_folder.path().toStdString(), kAssets.toStdString()};
    EXPECT_FALSE(m_store.load(folders));
    EXPECT_EQ(m_store.picture(SegmentKind::HBar).toImage().pixelColor(0, 0), QColor(Qt::green));
    for (const SegmentKind kind : kAllKinds)
        EXPECT_FALSE(m_store.picture(kind).isNull());
}

TEST_F(PictureStoreFolder, AHostilePictureInALaterFolderIsStillRefused)
{
    QTemporaryDir later;
    QFile bad(later.filePath(PictureStore::fileName(SegmentKind::CrossBar)));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("no picture");
    bad.close();
    EXPECT_EQ(m_store.load({m_folder.path().toStdString(), later.path().toStdString()}), kInvalid);
}

TEST_F(PictureStoreFolder, FormatComesFromTheContentNotTheName)
{
    QImage png(27, 27, QImage::Format_ARGB32);
    png.fill(Qt::transparent);
    ASSERT_TRUE(png.save(path(SegmentKind::HBar), "PNG"));
    EXPECT_FALSE(load());
    EXPECT_EQ(m_store.picture(SegmentKind::HBar).size(), QSize(27, 27));
}

TEST_F(PictureStoreFolder, NoOrdinaryFileNamedLikeAPictureIsSkippedWithoutOpeningIt)
{
    const QString target = m_folder.filePath("gone");
    ASSERT_TRUE(QDir(m_folder.path()).mkdir(PictureStore::fileName(SegmentKind::VBar)));
    ASSERT_TRUE(QFile::link(target, path(SegmentKind::HBar)));
    // A reader that opened the FIFO would wait for a writer that never comes.
    ASSERT_EQ(mkfifo(QFile::encodeName(path(SegmentKind::CrossBar)).constData(), 0644), 0);
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), path(SegmentKind::NWBar)));
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray socketPath = QFile::encodeName(path(SegmentKind::NEBar));
    ASSERT_LT(socketPath.size(), static_cast<int>(sizeof(address.sun_path)));
    std::memcpy(address.sun_path, socketPath.constData(), static_cast<std::size_t>(socketPath.size()));
    const int socketFd = socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_EQ(bind(socketFd, reinterpret_cast<sockaddr*>(&address), sizeof(address)), 0);
    copyShipped(SegmentKind::SEBar);

    const auto error = load();
    close(socketFd);
    EXPECT_FALSE(error);
    for (const SegmentKind kind : kAllKinds)
        EXPECT_EQ(m_store.picture(kind).isNull(), kind != SegmentKind::SEBar);
}

TEST_F(PictureStoreFolder, UnreadableFileIsPermissionDeniedUnlessTheUserCanReadAnyway)
{
    copyShipped(SegmentKind::VBar);
    ASSERT_TRUE(QFile::setPermissions(path(SegmentKind::VBar), QFileDevice::WriteOwner));
    QFile probe(path(SegmentKind::VBar));
    const bool readable = probe.open(QIODevice::ReadOnly); // root reads regardless of the bits
    probe.close();

    const auto error = load();
    if (readable) {
        EXPECT_FALSE(error);
        EXPECT_FALSE(m_store.picture(SegmentKind::VBar).isNull());
    } else {
        EXPECT_EQ(error, (PictureError{70, QStringLiteral("Permission denied")}));
    }
}

TEST_F(PictureStoreFolder, FileThatIsNoPictureIsInvalidAndStopsTheLoad)
{
    const QByteArray bmp = shippedBytes(SegmentKind::HBar);
    QByteArray wrongSignature = bmp;
    wrongSignature[0] = 'X';
    wrongSignature[1] = 'Y';
    for (const QByteArray& bytes : {QByteArray(), bmp.left(20), wrongSignature, QByteArray("not a picture\n")}) {
        QTemporaryDir folder;
        QFile::copy(kAssets + "/VBar.bmp", folder.filePath("VBar.bmp"));
        QFile file(folder.filePath("HBar.bmp"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        file.close();
        QFile::copy(kAssets + "/CrossBar.bmp", folder.filePath("CrossBar.bmp"));

        PictureStore store;
        EXPECT_EQ(store.load({orbalux::folder(folder.path())}), kInvalid) << bytes.size() << " bytes";
        EXPECT_FALSE(store.picture(SegmentKind::VBar).isNull());
        EXPECT_TRUE(store.picture(SegmentKind::HBar).isNull());
        EXPECT_TRUE(store.picture(SegmentKind::CrossBar).isNull());
    }
}

// Only the header is changed: a reader that believed it would try to allocate 40 gigabytes.
TEST_F(PictureStoreFolder, HeaderClaimingAHugePictureIsInvalid)
{
    QByteArray bytes = shippedBytes(SegmentKind::VBar);
    ASSERT_GT(bytes.size(), 26);
    qToLittleEndian<qint32>(100000, bytes.data() + 18);
    qToLittleEndian<qint32>(100000, bytes.data() + 22);
    write(SegmentKind::VBar, bytes);
    EXPECT_EQ(load(), kInvalid);
    EXPECT_TRUE(m_store.picture(SegmentKind::VBar).isNull());
}

TEST_F(PictureStoreFolder, WholePictureFarLargerThanACellIsInvalid)
{
    QImage strip(1100, 1, QImage::Format_RGB32);
    strip.fill(Qt::red);
    ASSERT_TRUE(strip.save(path(SegmentKind::NWBar), "BMP"));
    EXPECT_EQ(load(), kInvalid);
}

} // namespace
} // namespace orbalux
