#include "PdfEditing.h"

#include <QFile>
#include <cstring>
#include <qpdf/Buffer.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFWriter.hh>
#include <stdexcept>

namespace {

std::shared_ptr<Buffer> FileBytes(const std::string& strPath)
{
    QFile file(QFile::decodeName(QByteArray::fromStdString(strPath)));
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error("cannot read " + strPath);
    const QByteArray bytes = file.readAll();
    auto buffer = std::make_shared<Buffer>(static_cast<size_t>(bytes.size()));
    std::memcpy(buffer->getBuffer(), bytes.constData(), static_cast<size_t>(bytes.size()));
    return buffer;
}

const char* ColourSpace(int nComponents)
{
    return nComponents == 1 ? "/DeviceGray" : nComponents == 4 ? "/DeviceCMYK" : "/DeviceRGB";
}

// The JPEG's colour space: its own profile as an ICC-based space (the plain device space
// its fallback), or the plain device space when it embeds none.
QPDFObjectHandle JpegColourSpace(QPDFObjectHandle image, const PageJpeg& jpeg)
{
    const QPDFObjectHandle device = QPDFObjectHandle::newName(ColourSpace(jpeg.nComponents));
    if (jpeg.strIccProfile.empty())
        return device;
    QPDFObjectHandle profile = QPDFObjectHandle::newStream(image.getOwningQPDF(), jpeg.strIccProfile);
    profile.getDict().replaceKey("/N", QPDFObjectHandle::newInteger(jpeg.nComponents));
    profile.getDict().replaceKey("/Alternate", device);
    QPDFObjectHandle space = QPDFObjectHandle::newArray();
    space.appendItem(QPDFObjectHandle::newName("/ICCBased"));
    space.appendItem(profile);
    return space;
}

// The stand-in's image object becomes the JPEG file: DCTDecode of its bytes as they are.
void PutJpeg(QPDFObjectHandle image, const PageJpeg& jpeg)
{
    image.replaceStreamData(FileBytes(jpeg.strPath), QPDFObjectHandle::newName("/DCTDecode"),
                            QPDFObjectHandle::newNull());
    QPDFObjectHandle dict = image.getDict();
    dict.replaceKey("/Width", QPDFObjectHandle::newInteger(jpeg.nWidth));
    dict.replaceKey("/Height", QPDFObjectHandle::newInteger(jpeg.nHeight));
    dict.replaceKey("/BitsPerComponent", QPDFObjectHandle::newInteger(8));
    dict.replaceKey("/ColorSpace", JpegColourSpace(image, jpeg));
    for (const char* key : {"/SMask", "/Mask", "/Decode", "/ImageMask"})
        dict.removeKey(key);
    // Photoshop stores CMYK inverted and says so with its Adobe marker.
    if (jpeg.nComponents == 4 && jpeg.bAdobe) {
        QPDFObjectHandle decode = QPDFObjectHandle::newArray();
        for (int i = 0; i < 4; ++i) {
            decode.appendItem(QPDFObjectHandle::newInteger(1));
            decode.appendItem(QPDFObjectHandle::newInteger(0));
        }
        dict.replaceKey("/Decode", decode);
    }
}

// The index of the JPEG a stand-in holds the place of, or -1 for any other image.
int StandInIndex(QPDFObjectHandle image, size_t nJpegs)
{
    QPDFObjectHandle dict = image.getDict();
    QPDFObjectHandle width = dict.getKey("/Width");
    QPDFObjectHandle height = dict.getKey("/Height");
    if (!width.isInteger() || !height.isInteger() || height.getIntValue() != CPagePictures::kStandInHeight)
        return -1;
    const long long index = width.getIntValue() - 1;
    return index >= 0 && index < static_cast<long long>(nJpegs) ? static_cast<int>(index) : -1;
}

// The document's bytes, its streams copied as they are: pictures are not decoded and
// encoded again.
QByteArray Written(QPDF& document)
{
    QPDFWriter writer(document);
    writer.setOutputMemory();
    writer.setDecodeLevel(qpdf_dl_none);
    writer.setCompressStreams(false);
    writer.write();
    const std::shared_ptr<Buffer> written = writer.getBufferSharedPointer();
    return QByteArray(reinterpret_cast<const char*>(written->getBuffer()),
                      static_cast<qsizetype>(written->getSize()));
}

} // namespace

QByteArray FinishedPdf(const QByteArray& pdf, const std::vector<PageJpeg>& jpegs, std::string* pError)
{
    try {
        QPDF document;
        document.processMemoryFile("cover.pdf", pdf.constData(), static_cast<size_t>(pdf.size()));
        std::vector<bool> placed(jpegs.size(), false);
        for (QPDFPageObjectHelper& page : QPDFPageDocumentHelper(document).getAllPages())
            for (auto& [name, image] : page.getImages()) {
                const int index = StandInIndex(image, jpegs.size());
                if (index < 0)
                    continue;
                PutJpeg(image, jpegs[static_cast<size_t>(index)]);
                placed[static_cast<size_t>(index)] = true;
            }
        for (size_t i = 0; i < placed.size(); ++i)
            if (!placed[i])
                throw std::runtime_error("the place of " + jpegs[i].strPath + " was not found");
        // A viewer printing on other paper would otherwise shrink or grow the page to fit it.
        document.getRoot().replaceKey("/ViewerPreferences",
                                      QPDFObjectHandle::parse("<< /PrintScaling /None >>"));
        return Written(document);
    } catch (const std::exception& error) {
        *pError = std::string("cannot finish the PDF: ") + error.what();
        return {};
    }
}

QByteArray WithPageBoxes(const QByteArray& pdf, const std::vector<PageBoxes>& boxes, std::string* pError)
{
    try {
        QPDF document;
        document.processMemoryFile("cover.pdf", pdf.constData(), static_cast<size_t>(pdf.size()));
        std::vector<QPDFPageObjectHelper> pages = QPDFPageDocumentHelper(document).getAllPages();
        if (pages.size() != boxes.size())
            throw std::runtime_error("the PDF has " + std::to_string(pages.size()) + " pages");
        for (size_t i = 0; i < pages.size(); ++i) {
            const double* trim = boxes[i].trim;
            const double* bleed = boxes[i].bleed;
            QPDFObjectHandle page = pages[i].getObjectHandle();
            page.replaceKey("/TrimBox", QPDFObjectHandle::newArray(
                                            QPDFObjectHandle::Rectangle(trim[0], trim[1], trim[2], trim[3])));
            page.replaceKey("/BleedBox", QPDFObjectHandle::newArray(QPDFObjectHandle::Rectangle(
                                             bleed[0], bleed[1], bleed[2], bleed[3])));
        }
        return Written(document);
    } catch (const std::exception& error) {
        *pError = std::string("cannot set the page boxes: ") + error.what();
        return {};
    }
}
