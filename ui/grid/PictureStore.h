#pragma once

#include "game/SegmentKind.h"

#include <QPixmap>
#include <QString>

#include <array>
#include <filesystem>
#include <optional>
#include <vector>

namespace orbalux {

/** Why a trace picture could not be read: a number and a description for the player. */
struct PictureError {
    int number = 0;
    QString description;

    friend bool operator==(const PictureError&, const PictureError&) = default;
};

/** The seven trace pictures, read once at start-up and shared by every cell that shows one. */
class PictureStore {
public:
    /** "VBar.bmp" and so on for kinds 1..7; empty for None. */
    static QString fileName(SegmentKind kind);

    /**
     * Reads each picture by bare name from the first of folders that holds it (an empty path is
     * the working directory). A file that is missing everywhere, or is no ordinary file, is
     * skipped and its slot stays empty; the first file that exists but cannot be read as a
     * picture stops the load with an error.
     */
    std::optional<PictureError> load(const std::vector<std::filesystem::path>& folders);

    /** The picture of kind, or a null pixmap when it has none. */
    const QPixmap& picture(SegmentKind kind) const;

private:
    std::optional<PictureError> loadOne(const std::vector<std::filesystem::path>& folders, SegmentKind kind);

    std::array<QPixmap, kSegmentKindCount> m_pictures;
};

} // namespace orbalux
