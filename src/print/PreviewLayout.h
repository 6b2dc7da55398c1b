#pragma once
#include <QPoint>
#include <QSize>
#include <QStringList>

#include "report/PageMetrics.h"

namespace kelvane {

// The preview's zoom list, in order.
enum TZoomEntry {
    zeFitToPage,
    zeFitToWidth,
    zeCustom,
    ze25,
    ze50,
    ze75,
    ze100,
    ze125,
    ze150,
    ze200,
    ze300,
    ze400,
    kZoomEntryCount
};

// "Fit To Page", "Fit To Width", "Custom", "25%" ... "400%".
const QStringList& ZoomEntryTexts();

// Where the preview's page panels go, for a scrolling area whose client
// area is `client` on a screen of `screenDpiX` x `screenDpiY`.
struct TPreviewLayoutInput {
    QSize client;
    int screenDpiX = 96;
    int screenDpiY = 96;
    TPageMetrics metrics;
    int zoomEntry = zeFitToPage;  // -1: none
    double currentZoom = 1.0;     // what "Custom" keeps
    bool twoPages = false;
};

struct TPreviewLayout {
    double zoom = 1.0;
    bool twoPages = false;
    QSize panel;      // each page panel
    QSize container;  // what the scrolling area scrolls
    QPoint firstPanel;
    QPoint secondPanel;
};

// The zoom factor of a zoom list entry (1.0 = actual size on the screen).
double ZoomFactor(const TPreviewLayoutInput& input);

// Zoom, panel size and positions; two pages only with "Fit To Page".
TPreviewLayout LayOutPreview(const TPreviewLayoutInput& input);

}  // namespace kelvane
