#pragma once
// The graph as a vector picture or as a raster at a higher pixel ratio:
// the recorded picture replayed through PainterCanvas, so the curves,
// axes and markers are paths and the text is text. SVG pages are the
// graph area in pixels; PDF pages are the same size at 96 pixels per inch.
#include <QImage>
#include <QString>
#include <string>

#include "output/picture_files.h"

namespace kurvo {

class RecordingCanvas;

// An SVG or PDF document of the picture.
QByteArray EncodeVectorPicture(const RecordingCanvas& picture, PictureFormat format);
// The picture drawn again at `scale` times its size (lines, text and
// markers at that resolution), tagged with that device pixel ratio.
QImage RenderAtScale(const RecordingCanvas& picture, qreal scale);
// Writes the picture in the format to `path`: "" on success, else the
// save failure message. Raster formats use `raster` (the picture as shown).
std::string SavePicture(const QString& path, PictureFormat format, const RecordingCanvas& picture,
                        const QImage& raster);

}  // namespace kurvo
