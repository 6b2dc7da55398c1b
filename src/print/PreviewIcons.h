#pragma once
#include <QCursor>
#include <QIcon>

namespace kelvane {

// The preview window's own pictures, drawn rather than loaded so that they scale.
enum class PreviewIcon { First, Previous, Next, Last, GoToPage, FitPage, FitWidth, Zoom, Hand, ExportPdf };

QIcon MakePreviewIcon(PreviewIcon icon);
// The zoom tool's pointer: a magnifying glass, its hot spot at the lens's centre.
QCursor MakeZoomCursor();

}  // namespace kelvane
