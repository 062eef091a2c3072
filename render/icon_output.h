#pragma once
// The icon strip generator from a decoded sheet and its options to the bytes it writes, one
// composition for the window and the command line: raw records, or a C header of them.
#include <QImage>

#include <stdexcept>
#include <string>

#include "tools/pixel_format.h"
#include "tools/tile_sheet.h"

// Every choice of the output; the defaults give the fonts page's own 48x48 RGB records.
struct IconOptions {
    zolvik::PixelFormat format = zolvik::PixelFormat::Rgb888;
    zolvik::TileSize tile;
    std::string headerName;  // empty for raw records, else the C header's name
};

// Whether the options are the defaults.
bool IsPlainIconStrip(const IconOptions &options);

// Why a sheet gives no output, and whether the fault lies in the header's name or the sheet.
class IconOutputRefused : public std::runtime_error {
public:
    IconOutputRefused(const std::string &message, bool aboutName)
        : std::runtime_error(message), FAboutName(aboutName)
    {}
    bool AboutName() const { return FAboutName; }

private:
    bool FAboutName;
};

// The records of the sheet, or the header text carrying them. Throws IconOutputRefused.
std::string IconOutputBytes(const QImage &sheet, const IconOptions &options);

// Where the output goes beside the input: the ".bmb" path of the records, or the same path
// with ".h" for a header.
std::string IconOutputPath(const std::string &inputPath, const IconOptions &options);
