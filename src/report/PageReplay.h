#pragma once
#include <QString>
#include <vector>

#include "report/PageMetrics.h"

class QPainter;
class QPicture;

namespace kelvane {

// Replays a recorded page so that one recording unit covers `scaleX` by
// `scaleY` device pixels of the painter's device, from the painter's
// current origin. A recorded picture would otherwise be stretched by the
// ratio of the device's resolution to the screen's, which this undoes.
void ReplayPage(QPainter& painter, const QPicture& page, double scaleX, double scaleY);

// Replays a recorded page onto a page of a printer or a PDF (the painter's
// device) at its true size, the recorded coordinates counting from the
// paper's corner whatever margins the device keeps.
void ReplayOntoPaper(QPainter& painter, const QPicture& page);

// Writes `pages` to a PDF file at `path` on paper of the recorded size,
// text as text. The file is replaced only once it is complete; false when
// it cannot be written.
bool WritePdf(const QString& path, const std::vector<const QPicture*>& pages, const TPageMetrics& metrics,
              const QString& title);

}  // namespace kelvane
