#include "OutputFiles.h"

#include "CoverPrint.h"
#include "PdfEditing.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

std::string WriteWhole(const std::string& strPath, const std::function<QByteArray(std::string*)>& make)
{
    QSaveFile file(QFile::decodeName(QByteArray::fromStdString(strPath)));
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString().toStdString();
    std::string error;
    const QByteArray bytes = make(&error);
    if (bytes.isEmpty() || file.write(bytes) != bytes.size() || !file.commit()) {
        file.cancelWriting();
        return !error.empty() ? error : file.errorString().toStdString();
    }
    return std::string();
}

QByteArray DrawPdf(const DrawPdfPages& draw, std::string* pError)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    CPagePictures pictures;
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(kMaxPrintDpi);
        writer.setTitle(QStringLiteral("Cover"));
        writer.setCreator(QStringLiteral("Sleevora"));
        QPainter painter;
        *pError = draw(writer, painter, pictures);
        if (painter.isActive())
            painter.end();
        if (!pError->empty())
            return {};
    }
    return FinishedPdf(buffer.data(), pictures.Jpegs(), pError);
}

QByteArray DrawPng(const QSize& pixels, int nDpi, const std::function<void(QPainter&)>& draw,
                   std::string* pError)
{
    QImage image(pixels, QImage::Format_RGB32);
    if (image.isNull()) {
        *pError = "the picture is too large for this resolution";
        return {};
    }
    image.fill(Qt::white);
    image.setDotsPerMeterX(qRound(nDpi / 0.0254));
    image.setDotsPerMeterY(qRound(nDpi / 0.0254));
    {
        QPainter painter(&image);
        draw(painter);
    }
    QByteArray png;
    QBuffer buffer(&png);
    if (!buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "PNG"))
        *pError = "the picture could not be encoded";
    return png;
}
