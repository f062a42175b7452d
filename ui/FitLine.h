// The line under the preview that says what of the side in view does not fit on paper
// ("3 tracks and the back spine text do not fit"), with a "Shrink to Fit" link while a
// smaller text font would help. Hidden while everything fits.
#pragma once

#include "CoverDrawing.h"
#include "CoverState.h"

#include <QWidget>

class QLabel;
class QPushButton;

class CFitLine : public QWidget
{
    Q_OBJECT

public:
    explicit CFitLine(QWidget* pParent);

    // The band the line may use: it starts at nLeft, or further left down to nLeftLimit when
    // it needs the room, and ends before nRightLimit.
    void SetRoom(int nLeft, int nLeftLimit, int nTop, int nRightLimit);
    void Show(const TextFit& fit, CoverType type, CoverSide side);
    QString Message() const;

signals:
    void shrinkRequested();

private:
    void Place();

    QLabel* m_pIcon;
    QLabel* m_pMessage;
    QPushButton* m_pShrink;
    QString m_strMessage;
    int m_nLeft = 0;
    int m_nLeftLimit = 0;
    int m_nTop = 0;
    int m_nRightLimit = 0;
};
