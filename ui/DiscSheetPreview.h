// The disc label dialog's picture of the sheet at true proportions: the paper, the labels
// to be printed drawn as they print, and the sheet's other labels as dashed outlines.
#pragma once

#include "DiscLabelJob.h"
#include "PreviewPictures.h"

#include <QWidget>
#include <memory>

class CDiscSheetPreview : public QWidget
{
public:
    explicit CDiscSheetPreview(QWidget* pParent = nullptr);
    // The job to show; its cover must outlive the preview.
    void SetJob(const DiscLabelJob& job);
    QSize sizeHint() const override { return QSize(300, 400); }

    // Where the paper lies in the widget: the largest rectangle of its proportions, centred.
    QRectF PaperRect() const;

protected:
    void paintEvent(QPaintEvent* pEvent) override;

private:
    QImage SheetPicture(const QSize& size, int nDpi);

    std::unique_ptr<DiscLabelJob> m_pJob;
    CPreviewPictures m_pictures;
};
