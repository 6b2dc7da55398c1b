#pragma once
#include <QDialog>
#include <functional>

#include "report/SiteReport.h"

class QCheckBox;
class QPushButton;

namespace kelvane {

class TRadioGroup;

// "Select Print Options.": which sections the site report holds and how it
// lists the devices, then Preview, Print or the printer's properties. Made
// once and reused, so the choices stay as they were left.
class TfrmPrint : public QDialog {
    Q_OBJECT
public:
    explicit TfrmPrint(QWidget* parent = nullptr);

    // The choices as they stand.
    TReportOptions Options() const;

    // Called with the choices by the Preview and Print buttons (the dialog
    // closes after them), and by Properties.
    std::function<void(const TReportOptions&)> OnPreview;
    std::function<void(const TReportOptions&)> OnPrint;
    std::function<void()> OnProperties;

    void btnPreviewButtonClick();
    void btnPrintClick();
    void btnPropertiesClick();
    void chkPrintLoopClick();

    TRadioGroup* radgrpLoopInfo;
    TRadioGroup* radgrpOrder;
    QCheckBox* chkPrintSite;
    QCheckBox* chkPrintLoop;
    QCheckBox* chkPrintZone;
    QCheckBox* chkPrintGroup;
    QCheckBox* chkComments;
    QCheckBox* chkPrintLog;
    QCheckBox* chkRoutingOverview;
    QCheckBox* chkSiteChecks;
    QPushButton* btnPreviewButton;
    QPushButton* btnPrint;
    QPushButton* btnProperties;
    QPushButton* CancelButton;
};

}  // namespace kelvane
