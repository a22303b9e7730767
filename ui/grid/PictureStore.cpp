#include "grid/PictureStore.h"

#include "platform/DataFiles.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>

namespace orbalux {

namespace {

constexpr int kPermissionDenied = 70;
constexpr int kInvalidPicture = 481;
// A trace picture is drawn into one cell; anything this large is a broken or hostile header.
constexpr int kLargestSide = 1024;

PictureError permissionDenied()
{
    //: Why a trace picture could not be read, after "Error Number: 70 occured.".
    return {kPermissionDenied, QCoreApplication::translate("PictureStore", "Permission denied")};
}

PictureError invalidPicture()
{
    //: Why a trace picture could not be read, after "Error Number: 481 occured.".
    return {kInvalidPicture, QCoreApplication::translate("PictureStore", "Invalid picture")};
}

bool plausibleSize(const QSize& size)
{
    return size.isValid() && !size.isEmpty() && size.width() <= kLargestSide
        && size.height() <= kLargestSide;
}

// The header is checked before any pixel is decoded, so a claimed giant never gets allocated.
std::optional<QImage> decode(QFile& file)
{
    QImageReader reader(&file);
    reader.setDecideFormatFromContent(true);
    if (!reader.canRead() || !plausibleSize(reader.size()))
        return std::nullopt;
    QImage image = reader.read();
    if (image.isNull() || !plausibleSize(image.size()))
        return std::nullopt;
    return image;
}

} // namespace

QString PictureStore::fileName(SegmentKind kind)
{
    switch (kind) {
    case SegmentKind::VBar: return QStringLiteral("VBar.bmp");
    case SegmentKind::HBar: return QStringLiteral("HBar.bmp");
    case SegmentKind::CrossBar: return QStringLiteral("CrossBar.bmp");
    case SegmentKind::NWBar: return QStringLiteral("NWBar.bmp");
    case SegmentKind::NEBar: return QStringLiteral("NEBar.bmp");
    case SegmentKind::SWBar: return QStringLiteral("SWBar.bmp");
    case SegmentKind::SEBar: return QStringLiteral("SEBar.bmp");
    case SegmentKind::None: break;
    }
    return {};
}

std::optional<PictureError> PictureStore::load(const std::vector<std::filesystem::path>& folders)
{
    m_pictures = {};
    for (int row = 1; row < kSegmentKindCount; ++row) {
        if (auto error = loadOne(folders, static_cast<SegmentKind>(row)))
            return error;
    }
    return std::nullopt;
}

// Only a regular file (or a link to one) is read: findDataFile passes over FIFOs, devices,
// folders and dangling links as missing.
std::optional<PictureError> PictureStore::loadOne(const std::vector<std::filesystem::path>& folders, SegmentKind kind)
{
    const std::optional<std::filesystem::path> path = findDataFile(fileName(kind).toStdString(), folders);
    if (!path)
        return std::nullopt;
    QFile file(*path);
    if (!file.open(QIODevice::ReadOnly))
        return QFileInfo::exists(file.fileName()) ? std::optional(permissionDenied()) : std::nullopt;
    const std::optional<QImage> image = decode(file);
    if (!image)
        return invalidPicture();
    m_pictures[static_cast<std::size_t>(kind)] = QPixmap::fromImage(*image);
    return std::nullopt;
}

const QPixmap& PictureStore::picture(SegmentKind kind) const
{
    const auto row = static_cast<std::size_t>(kind);
    if (row < m_pictures.size())
        return m_pictures[row];
    return m_pictures[0];
}

} // namespace orbalux
